#include "base/LineSplitter.h"

#include <QStringDecoder>

QString DecodeToolOutput(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    return utf8.hasError() ? QString::fromLatin1(bytes) : text;
}

void LineSplitter::feed(const QByteArray& bytes) {
    for (int i = 0; i < bytes.size(); ++i) {
        const char byte = bytes[i];
        if (byte == '\0') continue;
        if (byte == '\n') {
            WriteLog(log_, lmAdd, DecodeToolOutput(pending_));
            pending_.clear();
        } else if (byte == '\r') {
            const bool crlf = i + 1 < bytes.size() && bytes[i + 1] == '\n';
            if (crlf) ++i;
            WriteLog(log_, crlf ? lmAdd : lmReplace, DecodeToolOutput(pending_));
            pending_.clear();
        } else {
            pending_.append(byte);
            if (pending_.size() >= kMaxToolLineBytes) flush();
        }
    }
}

void LineSplitter::flush() {
    if (!pending_.isEmpty()) WriteLog(log_, lmAdd, DecodeToolOutput(pending_));
    pending_.clear();
}
