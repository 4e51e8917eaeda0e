#include "platform/track_bar.h"

TTrackBar::TTrackBar(TComponent* AOwner, QWidget* AParent) : TControlOf<QSlider>(AOwner, AParent) {
    setOrientation(Qt::Horizontal);
    setTickPosition(QSlider::TicksBelow);
    setRange(0, 10);
    setTickInterval(1);
    setPageStep(2);
    QObject::connect(this, &QSlider::valueChanged, [this] {
        if (OnChange) OnChange(this);
    });
}

void TTrackBar::SetFrequency(int value) {
    setTickInterval(value);
    setSingleStep(value > 0 ? value : 1);
}
