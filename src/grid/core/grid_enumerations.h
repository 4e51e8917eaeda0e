#pragma once
// Enumerations of the grid pack that cell properties and column definitions share.

#include "platform/types.h"

enum TColumnCalcType { acNONE, acSUM, acAVG, acCOUNT, acMIN, acMAX, acSPREAD, acCUSTOM, acDISTINCT, acSTDDEV };

enum TSortDirection { sdAscending, sdDescending };

enum TVAlignment { vtaTop, vtaCenter, vtaBottom };

enum TCellGradientDirection { GradientVertical, GradientHorizontal };

enum TCellBorder { cbTop, cbLeft, cbRight, cbBottom };
using TCellBorders = TSet<TCellBorder>;

enum TEditorType {
    edNormal, edSpinEdit, edComboEdit, edComboList, edEditBtn, edCheckBox, edDateEdit, edDateEditUpDown,
    edTimeEdit, edButton, edDataCheckBox, edNumeric, edPositiveNumeric, edFloat, edCapital, edMixedCase,
    edPassword, edUnitEditBtn, edLowerCase, edUpperCase, edFloatSpinEdit, edTimeSpinEdit, edDateSpinEdit,
    edNumericEditBtn, edFloatEditBtn, edCustom, edRichEdit, edNone, edDateTimeEdit, edValidChars,
    edTrackbarDropDown, edMemoDropDown, edCalculatorDropDown, edTimePickerDropDown, edDetailDropDown,
    edGridDropDown, edColorPickerDropDown, edImagePickerDropDown, edExGridDropDown, edPositiveFloat,
    edNumericUnitEditBtn, edFloatUnitEditBtn, edMaskEditBtn
};

enum TSortStyle {
    ssAutomatic, ssAlphabetic, ssNumeric, ssDate, ssAlphaNoCase, ssAlphaCase, ssShortDateEU, ssShortDateUS,
    ssCustom, ssFinancial, ssAnsiAlphaCase, ssAnsiAlphaNoCase, ssRaw, ssHTML, ssImages, ssCheckBox,
    ssDateTime, ssTime, ssAlphaNumeric, ssAlphaNumericNoCase
};
