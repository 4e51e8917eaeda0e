#include "platform/xml_well_formedness.h"
#include "platform/xml_quick_check.h"

#include <expat.h>

#include <climits>
#include <memory>

namespace {

struct ParserDeleter {
    void operator()(XML_Parser parser) const { XML_ParserFree(parser); }
};
using ParserHandle = std::unique_ptr<std::remove_pointer_t<XML_Parser>, ParserDeleter>;

struct CheckState {
    XML_Parser parser;
    bool refused = false;
};

void Refuse(void* userData) {
    auto* state = static_cast<CheckState*>(userData);
    state->refused = true;
    XML_StopParser(state->parser, XML_FALSE);
}

// Declaring an entity is how both the exponential expansion and reading other files
// start; the program's files never declare one.
void OnEntityDeclaration(void* userData, const XML_Char*, int, const XML_Char*, int, const XML_Char*,
                         const XML_Char*, const XML_Char*, const XML_Char*) {
    Refuse(userData);
}

// A reference to an entity that was not declared: the parser lets it pass when the
// document has an external subset, which we never read.
void OnSkippedEntity(void* userData, const XML_Char*, int) { Refuse(userData); }

}  // namespace

bool Is_Well_Formed_Xml(const char* data, std::size_t size, TXmlTextEncoding encoding) {
    if (size > std::size_t(INT_MAX)) return false;
    // The program's own files take the one linear pass; anything it cannot vouch for goes
    // through the full parser, which alone refuses a document.
    if (Quick_Xml_Check(data, size) == TXmlQuickVerdict::Well_Formed) return true;
    return Full_Parser_Finds_Well_Formed(data, size, encoding);
}

bool Full_Parser_Finds_Well_Formed(const char* data, std::size_t size, TXmlTextEncoding encoding) {
    if (size > std::size_t(INT_MAX)) return false;
    ParserHandle parser(XML_ParserCreate(encoding == TXmlTextEncoding::Utf8 ? "UTF-8" : nullptr));
    if (!parser) return false;
    CheckState state{parser.get()};
    XML_SetUserData(parser.get(), &state);
    XML_SetEntityDeclHandler(parser.get(), OnEntityDeclaration);
    XML_SetSkippedEntityHandler(parser.get(), OnSkippedEntity);
    XML_SetParamEntityParsing(parser.get(), XML_PARAM_ENTITY_PARSING_NEVER);
    const XML_Status status = XML_Parse(parser.get(), data, int(size), XML_TRUE);
    return status == XML_STATUS_OK && !state.refused;
}
