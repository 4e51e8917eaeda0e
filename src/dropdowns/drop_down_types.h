#pragma once
// Enumerations and event types of the drop-down edit.

#include "platform/component.h"

#include <QString>
#include <functional>

enum TDropPosition { dpAuto, dpDown, dpUp };

enum TDropDownEditType {
    etString, etNumeric, etFloat, etUppercase, etMixedCase, etLowerCase, etPassword, etMoney, etRange, etHex,
    etAlphaNumeric, etValidChars
};

// Where a drop-down's label stands. The grid's editors have a type of this name with
// fewer values, so the drop-downs' one lives in a namespace of its own ("lpRighBottom"
// is spelt as stored).
namespace dropdowns {
enum TLabelPosition {
    lpLeftTop, lpLeftCenter, lpLeftBottom, lpTopLeft, lpBottomLeft, lpLeftTopLeft, lpLeftCenterLeft,
    lpLeftBottomLeft, lpTopCenter, lpBottomCenter, lpRightTop, lpRightCenter, lpRighBottom, lpTopRight,
    lpBottomRight
};
}  // namespace dropdowns

using TDropDown = std::function<void(TObject* Sender, bool& acceptdrop)>;
using TDropUp = std::function<void(TObject* Sender, bool Cancelled)>;
using TDropDownButtonItemClick = std::function<void(TObject* Sender, int ButtonIndex)>;
using TClipboardEvent = std::function<void(TObject* Sender, const QString& value, bool& allow)>;
