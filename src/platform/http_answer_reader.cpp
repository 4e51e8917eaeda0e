#include "platform/http_answer_reader.h"

#include <QList>

namespace {

constexpr qsizetype kMaxChunkLine = 1024;

bool ParseDecimal(const QByteArray& text, qint64& value) {
    const QByteArray digits = text.trimmed();
    if (digits.isEmpty() || digits.size() > 18) return false;
    value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
    }
    return true;
}

bool ParseHex(const QByteArray& text, qint64& value) {
    const QByteArray digits = text.trimmed();
    if (digits.isEmpty() || digits.size() > 15) return false;
    bool ok = false;
    value = digits.toLongLong(&ok, 16);
    return ok && value >= 0;
}

}  // namespace

THTTPAnswerReader::TState THTTPAnswerReader::Fail() {
    FState = Failed;
    FPending.clear();
    FBody.clear();
    return FState;
}

bool THTTPAnswerReader::AppendBody(const char* data, qsizetype size) {
    if (FBody.size() + size > Max_Body_Bytes) return false;
    FBody.append(data, size);
    return true;
}

THTTPAnswerReader::TState THTTPAnswerReader::Feed(const char* data, qsizetype size) {
    if (FState != Reading || size <= 0) return FState;
    switch (FPart) {
    case LengthBody: {
        const qsizetype take = qsizetype(qMin<qint64>(FLeft, size));
        if (!AppendBody(data, take)) return Fail();
        FLeft -= take;
        if (FLeft == 0) FState = Complete;
        return FState;
    }
    case CloseBody:
        if (!AppendBody(data, size)) return Fail();
        return FState;
    default:
        break;
    }
    // Headers and chunk framing are read from the pending bytes, which stay bounded.
    FPending.append(data, size);
    if (FPart == StatusAndHeaders && !ReadHeaders()) return Fail();
    if (FState == Reading && FPart >= ChunkSize && !ReadChunked()) return Fail();
    return FState;
}

THTTPAnswerReader::TState THTTPAnswerReader::Finish() {
    if (FState != Reading) return FState;
    if (FPart == CloseBody) return FState = Complete;
    return Fail();
}

bool THTTPAnswerReader::ReadHeaders() {
    const qsizetype end = FPending.indexOf("\r\n\r\n");
    if (end < 0) return FPending.size() <= Max_Header_Bytes;
    if (end > Max_Header_Bytes) return false;
    const QList<QByteArray> lines = FPending.left(end).split('\n');
    QByteArray rest = FPending.mid(end + 4);
    FPending.clear();

    const QList<QByteArray> status = lines.front().trimmed().split(' ');
    if (status.size() < 2 || !status[0].startsWith("HTTP/1.")) return false;
    qint64 code = 0;
    if (!ParseDecimal(status[1], code) || code < 200 || code > 599) return false;
    FStatusCode = int(code);

    qint64 length = -1;
    bool chunked = false;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const qsizetype colon = lines[i].indexOf(':');
        if (colon <= 0) return false;
        const QByteArray name = lines[i].left(colon).trimmed().toLower();
        const QByteArray value = lines[i].mid(colon + 1).trimmed().toLower();
        if (name == "content-length") {
            if (!ParseDecimal(value, length) || length > Max_Body_Bytes) return false;
        } else if (name == "transfer-encoding") {
            if (value != "chunked") return false;
            chunked = true;
        } else if (name == "content-encoding") {
            // Only the identity is asked for: a packed body could unpack to any size.
            if (!value.isEmpty() && value != "identity") return false;
        }
    }
    if (FStatusCode == 204 || FStatusCode == 304 || (!chunked && length == 0)) {
        FState = Complete;
        return true;
    }
    if (chunked) {
        FPart = ChunkSize;
        FPending = rest;
        return true;
    }
    FPart = length >= 0 ? LengthBody : CloseBody;
    FLeft = length;
    if (!rest.isEmpty()) Feed(rest.constData(), rest.size());
    return FState != Failed;
}

bool THTTPAnswerReader::ReadChunked() {
    for (;;) {
        if (FPart == ChunkData) {
            const qsizetype take = qsizetype(qMin<qint64>(FLeft, FPending.size()));
            if (!AppendBody(FPending.constData(), take)) return false;
            FPending.remove(0, take);
            FLeft -= take;
            if (FLeft > 0) return true;
            FPart = ChunkEnd;
        }
        const qsizetype lineEnd = FPending.indexOf("\r\n");
        if (lineEnd < 0) return FPending.size() <= (FPart == Trailers ? Max_Header_Bytes : kMaxChunkLine);
        const QByteArray line = FPending.left(lineEnd);
        FPending.remove(0, lineEnd + 2);
        switch (FPart) {
        case ChunkSize: {
            qint64 size = 0;
            const qsizetype extension = line.indexOf(';');
            if (!ParseHex(extension < 0 ? line : line.left(extension), size)) return false;
            if (size > Max_Body_Bytes - FBody.size()) return false;
            FLeft = size;
            FPart = size == 0 ? Trailers : ChunkData;
            break;
        }
        case ChunkEnd:
            if (!line.isEmpty()) return false;
            FPart = ChunkSize;
            break;
        case Trailers:
            if (line.isEmpty()) {
                FState = Complete;
                return true;
            }
            break;
        default:
            return false;
        }
    }
}
