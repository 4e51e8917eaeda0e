#pragma once
// The CAN send frame rule editor: the frames the converter sends, when it sends them
// and where each of their bytes comes from, kept in CAN_Send_Frames.xml.

#include "editors/fieldbus/can_frame_editor.h"

class TFTransmitCAN : public TCANFrameEditor {
public:
    explicit TFTransmitCAN(TComponent* AOwner);

    TExColumnGrid*& ACG_CAN_Transmit = Grid;
    TStringList& Hint_TransmitCAN = Hint;
    // Each row's frame type comes from its own Type column.
    int Hard_Type = 1;
    // What a loaded row lacking its attribute gets: CAN_Type 0 gives "2.0A (11 bits)";
    // Send_Type 0 gives OnChange "Y" and OnTimer "N"; Send_Time is a timed row's Time.
    static constexpr int CAN_Type = 0;
    static constexpr int Send_Type = 0;
    static constexpr int Send_Time = 0;
};

inline TFTransmitCAN* FTransmitCAN = nullptr;
