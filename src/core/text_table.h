#pragma once
// The numbered text table every window takes its texts from: built-in English,
// overlaid by the language file of the chosen language.

#include <QString>

constexpr int Text_Table_Size = 2800;

// Empties SL_Lang_Texts and fills it with the built-in English texts.
void Load_Default_Texts();
// The built-in English text number n; a single blank where there is none.
QString Default_Text(int n);
// Fills the table for Language_Name (English where the language has no file).
void Init_Language();
// Text number n of the table; a single blank for a number outside it.
QString LangText(int n);
