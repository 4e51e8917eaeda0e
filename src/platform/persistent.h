#pragma once
// An object whose settings can be copied from another of its kind with Assign.

#include "platform/component.h"

class TPersistent : public TObject {
public:
    // Copies Source's settings; a class that does not know Source's class raises
    // EConvertError, as the base does.
    virtual void Assign(const TPersistent* Source);
    // The object this one belongs to, if any (a control or another persistent object).
    virtual TObject* GetOwner() const { return nullptr; }
};
