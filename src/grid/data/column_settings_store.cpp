#include "grid/data/column_settings_store.h"

#include "platform/number_conversion.h"
#include "platform/registry.h"

TColumnSettingsStore::TColumnSettingsStore(const TColumnSize& Place) : FSection(Place.Section()) {
    if (Place.Location() == clIniFile) {
        FIni = std::make_unique<TIniFile>(Place.Key());
        return;
    }
    FRegistry = std::make_unique<TRegistry>();
    FKeyOpen = FRegistry->OpenKey(Place.Key() + QLatin1Char('\\') + Place.Section(), true);
}

TColumnSettingsStore::~TColumnSettingsStore() = default;

bool TColumnSettingsStore::ValueExists(const QString& Name) const {
    if (FIni) return FIni->ReadValue(FSection, Name).has_value();
    return FKeyOpen && FRegistry->ValueExists(Name);
}

int TColumnSettingsStore::ReadInteger(const QString& Name, int Default) const {
    if (FIni) return FIni->ReadInteger(FSection, Name, Default);
    if (!FKeyOpen) return Default;
    switch (FRegistry->GetDataType(Name)) {
    case rdInteger: return FRegistry->ReadInteger(Name);
    case rdString: return StrToIntDef(FRegistry->ReadString(Name).trimmed(), Default);
    case rdUnknown: break;
    }
    return Default;
}

bool TColumnSettingsStore::WriteInteger(const QString& Name, int Value) {
    if (FIni) {
        FIni->WriteInteger(FSection, Name, Value);
        return true;
    }
    if (!FKeyOpen) return false;
    try {
        if (FRegistry->GetDataType(Name) == rdString) FRegistry->WriteString(Name, QString::number(Value));
        else FRegistry->WriteInteger(Name, Value);
        return true;
    } catch (const ERegistryException&) {
        return false;
    }
}

bool TColumnSettingsStore::Flush() const { return !FIni || FIni->UpdateFile(); }
