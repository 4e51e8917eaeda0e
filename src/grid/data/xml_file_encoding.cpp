#include "grid/data/xml_file_encoding.h"

#include "platform/text_encoding.h"

#include <QRegularExpression>
#include <QStringDecoder>

namespace {

bool IsXmlChar(char32_t c) {
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD) ||
           (c >= 0x10000 && c <= 0x10FFFF);
}

bool CodePageHolds(char32_t c, TXmlFileEncoding Encoding) {
    switch (Encoding) {
    case TXmlFileEncoding::Utf8:
    case TXmlFileEncoding::Utf16: return true;
    case TXmlFileEncoding::Latin1: return c <= 0xFF;
    case TXmlFileEncoding::Ascii: return c <= 0x7F;
    case TXmlFileEncoding::Windows1252: {
        if (c <= 0x7F) return true;
        if (c > 0xFFFF) return false;
        bool lossless = true;
        EncodeWindows1252(QString(QChar(char16_t(c))), &lossless);
        return lossless;
    }
    }
    return false;
}

QByteArray SingleByte(char32_t c, TXmlFileEncoding Encoding) {
    if (Encoding == TXmlFileEncoding::Windows1252) return EncodeWindows1252(QString(QChar(char16_t(c))));
    return QByteArray(1, char(c));
}

QString DeclaredEncoding(const QByteArray& Bytes) {
    if (!Bytes.startsWith("<?xml")) return {};
    const qsizetype end = Bytes.indexOf("?>");
    if (end < 0) return {};
    static const QRegularExpression name(QStringLiteral("encoding\\s*=\\s*[\"']([^\"']*)[\"']"));
    const QRegularExpressionMatch match = name.match(QString::fromLatin1(Bytes.left(end)));
    return match.hasMatch() ? match.captured(1).toLower() : QString();
}

}  // namespace

std::optional<TXmlFileEncoding> XmlFileEncodingNamed(const QString& Name) {
    const QString n = Name.trimmed().toLower();
    if (n == QLatin1String("utf-8")) return TXmlFileEncoding::Utf8;
    if (n == QLatin1String("utf-16")) return TXmlFileEncoding::Utf16;
    if (n == QLatin1String("iso-8859-1")) return TXmlFileEncoding::Latin1;
    if (n == QLatin1String("windows-1252")) return TXmlFileEncoding::Windows1252;
    if (n == QLatin1String("us-ascii")) return TXmlFileEncoding::Ascii;
    return std::nullopt;
}

QString EscapeXmlText(const QString& Text) {
    QString out;
    out.reserve(Text.size() + Text.size() / 8);
    for (char32_t c : Text.toUcs4()) {
        switch (c) {
        case '&': out += QLatin1String("&amp;"); break;
        case '<': out += QLatin1String("&lt;"); break;
        case '>': out += QLatin1String("&gt;"); break;
        case '"': out += QLatin1String("&quot;"); break;
        case '\r': out += QLatin1String("&#13;"); break;
        default:
            if (IsXmlChar(c)) out += QString::fromUcs4(&c, 1);
        }
    }
    return out;
}

bool IsXmlElementName(const QString& Name) {
    if (Name.isEmpty()) return false;
    for (qsizetype i = 0; i < Name.size(); ++i) {
        const QChar ch = Name[i];
        const bool start = ch.isLetter() || ch == QLatin1Char('_') || ch == QLatin1Char(':');
        const bool inner = ch.isDigit() || ch == QLatin1Char('-') || ch == QLatin1Char('.');
        if (!(start || (i > 0 && inner))) return false;
    }
    return true;
}

QByteArray EncodeXmlDocument(const QString& Text, TXmlFileEncoding Encoding) {
    if (Encoding == TXmlFileEncoding::Utf8) return Text.toUtf8();
    if (Encoding == TXmlFileEncoding::Utf16) {
        QByteArray out("\xFF\xFE", 2);
        for (QChar ch : Text) {
            out += char(ch.unicode() & 0xFF);
            out += char(ch.unicode() >> 8);
        }
        return out;
    }
    QByteArray out;
    out.reserve(Text.size());
    for (char32_t c : Text.toUcs4()) {
        if (CodePageHolds(c, Encoding)) out += SingleByte(c, Encoding);
        else out += "&#" + QByteArray::number(quint32(c)) + ';';
    }
    return out;
}

QString DecodeXmlFile(const QByteArray& Bytes) {
    if (Bytes.startsWith("\xEF\xBB\xBF") || Bytes.startsWith("\xFF\xFE") || Bytes.startsWith("\xFE\xFF"))
        return DecodeTextFile(Bytes);
    if (Bytes.startsWith(QByteArray("<\0", 2)) || Bytes.startsWith(QByteArray("\0<", 2))) {
        QStringDecoder decoder(Bytes.startsWith('<') ? QStringConverter::Utf16LE : QStringConverter::Utf16BE);
        return decoder(Bytes);
    }
    const QString declared = DeclaredEncoding(Bytes);
    if (declared == QLatin1String("iso-8859-1") || declared == QLatin1String("latin1"))
        return QString::fromLatin1(Bytes);
    if (declared == QLatin1String("windows-1252")) return DecodeWindows1252(Bytes);
    return DecodeTextFile(Bytes);
}
