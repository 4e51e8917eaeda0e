#pragma once
// An ordered list of texts, each with an optional object pointer that the list does
// not own, optionally kept sorted.

#include <QString>
#include <QStringList>
#include <vector>

class TObject;

enum TDuplicates { dupIgnore, dupAccept, dupError };

class TStringList {
public:
    TStringList() = default;

    int Count() const { return static_cast<int>(FItems.size()); }
    const QString& Strings(int index) const;
    // Not allowed on a sorted list (nor is Move or Insert): Exception.
    void SetStrings(int index, const QString& text);
    TObject* Objects(int index) const;
    void SetObjects(int index, TObject* object);
    const QString& operator[](int index) const { return Strings(index); }

    int Add(const QString& text);
    int AddObject(const QString& text, TObject* object);
    void Insert(int index, const QString& text);
    void InsertObject(int index, const QString& text, TObject* object);
    void Delete(int index);
    void Clear() { FItems.clear(); }
    void Exchange(int a, int b);
    void Move(int from, int to);
    void Assign(const TStringList& source) { FItems = source.FItems; }
    void AddStrings(const TStringList& source);

    // Case-insensitive, like the lists the program compares names with.
    int IndexOf(const QString& text) const;
    int IndexOfObject(const TObject* object) const;
    bool Find(const QString& text, int& index) const;

    bool Sorted() const { return FSorted; }
    void SetSorted(bool value);
    bool CaseSensitive() const { return FCaseSensitive; }
    // A sorted list is sorted again under the new comparison.
    void SetCaseSensitive(bool value);
    TDuplicates Duplicates() const { return FDuplicates; }
    void SetDuplicates(TDuplicates value) { FDuplicates = value; }
    void Sort();

    // Texts joined by commas; items holding blanks, commas or quotes are quoted.
    QString CommaText() const;
    void SetCommaText(const QString& text);
    // Texts joined with line breaks, each line ending with one.
    QString Text() const;
    void SetText(const QString& text);
    QStringList ToQStringList() const;

    // "name=value" access.
    QString Names(int index) const;
    QString Values(const QString& name) const;
    int IndexOfName(const QString& name) const;

private:
    struct Item {
        QString text;
        TObject* object = nullptr;
    };
    int Compare(const QString& a, const QString& b) const;
    void CheckIndex(int index) const;

    std::vector<Item> FItems;
    bool FSorted = false;
    bool FCaseSensitive = false;
    TDuplicates FDuplicates = dupAccept;
};
