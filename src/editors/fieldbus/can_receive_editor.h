#pragma once
// The CAN receive frame rule editor: the frames the converter receives and where each
// of their bytes goes in its data area, kept in CAN_Rec_Frames.xml.

#include "editors/fieldbus/can_frame_editor.h"

class TFReceiveCAN : public TCANFrameEditor {
public:
    explicit TFReceiveCAN(TComponent* AOwner);

    TExColumnGrid*& ACG_CAN_Receive = Grid;
    TStringList& Hint_ReceiveCAN = Hint;
};

inline TFReceiveCAN* FReceiveCAN = nullptr;
