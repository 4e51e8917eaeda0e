#include "grid/edit/asg_date_time_picker.h"

TAsgDateTimePicker::TAsgDateTimePicker(TComponent* AOwner, QWidget* AParent) : TFlatDateTimePicker(AOwner, AParent) {
    FParentCtl3D = false;
    SetCtl3D(true);
}
