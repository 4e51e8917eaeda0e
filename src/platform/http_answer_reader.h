#pragma once
// Reads an HTTP/1.1 answer as its bytes arrive: the status line, the headers and a body
// sent with a length, in chunks or until the connection closes. Every part is bounded,
// so a server that sends headers or a body without end is refused as soon as the bound
// is passed, whatever the transfer encoding.

#include <QByteArray>

class THTTPAnswerReader {
public:
    static constexpr qsizetype Max_Header_Bytes = 64 * 1024;
    static constexpr qsizetype Max_Body_Bytes = 1024 * 1024;

    enum TState { Reading, Complete, Failed };

    // Takes the next bytes; the state says whether more are needed.
    TState Feed(const char* data, qsizetype size);
    // The connection closed: a body that runs until the close is complete, anything
    // cut short fails.
    TState Finish();

    TState State() const { return FState; }
    int StatusCode() const { return FStatusCode; }
    const QByteArray& Body() const { return FBody; }

private:
    enum TPart { StatusAndHeaders, LengthBody, CloseBody, ChunkSize, ChunkData, ChunkEnd, Trailers };

    bool ReadHeaders();
    bool ReadChunked();
    TState Fail();
    bool AppendBody(const char* data, qsizetype size);

    TState FState = Reading;
    TPart FPart = StatusAndHeaders;
    QByteArray FPending;  // bytes not yet taken by the part being read
    int FStatusCode = 0;
    qint64 FLeft = 0;  // body or chunk bytes still to come
    QByteArray FBody;
};
