#pragma once
// The base of cell checkers (a spell checker, say): components that correct a cell's text
// or mark its errors. A grid refers to one through CellChecker. This base changes nothing;
// descendants override the four operations.

#include "platform/component.h"

#include <QString>

class TExStringGridCheck : public TComponent {
public:
    explicit TExStringGridCheck(TComponent* AOwner = nullptr) : TComponent(AOwner) {}

    // Applied to each value typed into a cell.
    bool AutoCorrect() const { return FAutoCorrect; }
    void SetAutoCorrect(bool Value) { FAutoCorrect = Value; }
    bool AutoMarkError() const { return FAutoMarkError; }
    void SetAutoMarkError(bool Value) { FAutoMarkError = Value; }
    // Applied by the grid's range checks (CheckCell ... CheckGrid).
    bool UseCorrect() const { return FUseCorrect; }
    void SetUseCorrect(bool Value) { FUseCorrect = Value; }
    bool UseMarkError() const { return FUseMarkError; }
    void SetUseMarkError(bool Value) { FUseMarkError = Value; }
    // A range check moves the current cell to each cell it checks, and back afterwards.
    bool GotoCell() const { return FGotoCell; }
    void SetGotoCell(bool Value) { FGotoCell = Value; }

    virtual QString MarkError(int ACol, int ARow, const QString& s) { (void)ACol, (void)ARow; return s; }
    virtual QString Correct(int ACol, int ARow, const QString& s) { (void)ACol, (void)ARow; return s; }
    // Around one range check, for a checker that holds state (a dictionary) meanwhile.
    virtual void StartCheck() {}
    virtual void StopCheck() {}

private:
    bool FAutoCorrect = false;
    bool FAutoMarkError = false;
    bool FUseCorrect = false;
    bool FUseMarkError = false;
    bool FGotoCell = false;
};
