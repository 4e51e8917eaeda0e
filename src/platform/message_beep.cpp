// The warning sound through a replaceable sink.

#include "platform/message_beep.h"

#include <QApplication>

namespace {
MessageBeepSink& Sink() {
    static MessageBeepSink sink;
    return sink;
}
}  // namespace

void MessageBeep() {
    if (Sink()) Sink()();
    else QApplication::beep();
}

void SetMessageBeepSink(MessageBeepSink sink) { Sink() = std::move(sink); }
