#pragma once
// A full well-formedness check of an XML text, run before the document tree is built
// (the tree builder itself lets many faults through). A quick linear pass vouches for
// the common shape of document; a conforming parser decides everything else.

#include <cstddef>

enum class TXmlTextEncoding {
    Declared,  // a file: its BOM or declaration names the encoding, UTF-8 without either
    Utf8,      // text the program made itself: always UTF-8, whatever a declaration says
};

// True when the text is one well-formed document. Documents that declare entities are
// refused as well, so no entity is ever expanded or fetched from elsewhere.
bool Is_Well_Formed_Xml(const char* data, std::size_t size, TXmlTextEncoding encoding);

// The conforming parser's verdict alone, with the same refusals; the quick pass must
// never call well-formed what this refuses.
bool Full_Parser_Finds_Well_Formed(const char* data, std::size_t size, TXmlTextEncoding encoding);
