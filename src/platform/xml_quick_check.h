#pragma once
// A single linear pass that proves the common shape of document well-formed: UTF-8
// without a byte order mark, at most a plain declaration, ASCII names, the five
// predefined entities and character references, comments and CDATA sections. It never
// refuses a document: whatever lies outside that shape, wrong or merely unusual (a
// DOCTYPE, a processing instruction, another encoding, a fault), is left to the full
// parser. So its "well-formed" must never be wrong, and being strict costs only speed.

#include <cstddef>

enum class TXmlQuickVerdict {
    Well_Formed,  // one well-formed document, with nothing the full parser would refuse
    Undecided,    // the full parser must decide
};

TXmlQuickVerdict Quick_Xml_Check(const char* data, std::size_t size);
