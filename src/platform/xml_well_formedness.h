#pragma once
// A full well-formedness check of an XML text by a conforming parser, run before the
// document tree is built (the tree builder itself lets many faults through).

#include <cstddef>

enum class TXmlTextEncoding {
    Declared,  // a file: its BOM or declaration names the encoding, UTF-8 without either
    Utf8,      // text the program made itself: always UTF-8, whatever a declaration says
};

// True when the text is one well-formed document. Documents that declare entities are
// refused as well, so no entity is ever expanded or fetched from elsewhere.
bool Is_Well_Formed_Xml(const char* data, std::size_t size, TXmlTextEncoding encoding);
