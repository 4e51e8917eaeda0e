#include "editors/automation/ede_file_parser.h"
#include "editors/automation/bacnet_object_types.h"
#include "editors/rule_integer.h"
#include "platform/text_encoding.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace {

constexpr int Field_Count = 16;
constexpr int Column_Kinds_Line_Index = 6;

QStringView Trimmed(QStringView text) {
    qsizetype begin = 0, end = text.size();
    while (begin < end && text[begin].unicode() <= u' ') ++begin;
    while (end > begin && text[end - 1].unicode() <= u' ') --end;
    return text.sliced(begin, end - begin);
}

bool Is_Column_Kinds_Line(QStringView line) {
    const QStringView trimmed = Trimmed(line);
    if (!trimmed.startsWith(u'#')) return false;
    return Trimmed(trimmed.sliced(1)).startsWith(QLatin1String("mandatory"));
}

std::vector<QStringView> Split_Lines(QStringView text) {
    std::vector<QStringView> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c != u'\r' && c != u'\n') continue;
        lines.push_back(text.sliced(start, i - start));
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines.push_back(text.sliced(start));
    return lines;
}

bool Is_Yes(QStringView field) { return field.compare(QLatin1String("Y"), Qt::CaseInsensitive) == 0; }

}  // namespace

TBACnet_Var Parse_EDE_Line(QStringView line) {
    QStringView fields[Field_Count];
    QStringView rest = line;
    for (int i = 0; i < Field_Count - 1; ++i) {
        const qsizetype semicolon = rest.indexOf(u';');
        if (semicolon < 0) break;
        fields[i] = Trimmed(rest.first(semicolon));
        rest = rest.sliced(semicolon + 1);
    }
    QStringView last = Trimmed(rest);
    if (last.endsWith(u';')) last = Trimmed(last.chopped(1));
    fields[Field_Count - 1] = last;

    TBACnet_Var var;
    var.keyname = fields[0].toString();
    var.device_obj_instance = Rule_Integer(fields[1]);
    var.object_name = fields[2].toString();
    var.object_type = Rule_Integer(fields[3]);
    var.object_instance = Rule_Integer(fields[4]);
    var.description = fields[5].toString();
    var.present_value_default = fields[6].toString();
    var.min_present_value = fields[7].toString();
    var.max_present_value = fields[8].toString();
    var.commandable = Is_Yes(fields[9]);
    var.support_COV = Is_Yes(fields[10]);
    var.hi_limit = fields[11].toString();
    var.low_limit = fields[12].toString();
    var.stete_text_reference = fields[13].toString();
    var.unit_code = fields[14].toString();
    var.vendor_specific_address = fields[15].toString();
    return var;
}

std::vector<TBACnet_Var> Parse_EDE_File(const QByteArray& bytes) {
    const QString text = DecodeTextFile(bytes);
    const std::vector<QStringView> lines = Split_Lines(text);
    qsizetype dataStart = -1;
    if (qsizetype(lines.size()) > Column_Kinds_Line_Index && Is_Column_Kinds_Line(lines[Column_Kinds_Line_Index])) {
        dataStart = Column_Kinds_Line_Index + 2;
    } else {
        for (qsizetype i = 0; i < qsizetype(lines.size()); ++i)
            if (Is_Column_Kinds_Line(lines[i])) dataStart = i + 2;
    }
    std::vector<TBACnet_Var> vars;
    if (dataStart < 0) return vars;
    vars.reserve(std::size_t(qsizetype(lines.size()) - std::min(dataStart, qsizetype(lines.size()))));
    for (qsizetype i = dataStart; i < qsizetype(lines.size()); ++i) {
        if (Trimmed(lines[i]).isEmpty()) continue;
        TBACnet_Var var = Parse_EDE_Line(lines[i]);
        if (!Is_Usable_EDE_Type(var.object_type)) continue;
        var.import = true;
        var.read = true;
        var.write = var.commandable;
        vars.push_back(std::move(var));
    }
    return vars;
}

TEDEFileResult Load_EDE_File(const QString& fileName) {
    TEDEFileResult result;
    const QFileInfo info(fileName);
    if (!info.exists() || !info.isFile()) {
        result.Message = QStringLiteral("The EDE file \"%1\" cannot be read: it does not exist.").arg(fileName);
        return result;
    }
    if (info.size() > Max_EDE_File_Size) {
        result.Message = QStringLiteral("The EDE file \"%1\" cannot be read: it holds %2 bytes, more than the 16 MiB "
                                        "an EDE file can hold.")
                             .arg(fileName, QString::number(info.size()));
        return result;
    }
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        result.Message = QStringLiteral("The EDE file \"%1\" cannot be read: %2.").arg(fileName, file.errorString());
        return result;
    }
    // Read at most one byte past the limit, in case the file grew since it was measured.
    const QByteArray bytes = file.read(Max_EDE_File_Size + 1);
    if (bytes.size() > Max_EDE_File_Size) {
        result.Message = QStringLiteral("The EDE file \"%1\" cannot be read: it holds more than the 16 MiB an EDE "
                                        "file can hold.")
                             .arg(fileName);
        return result;
    }
    result.Vars = Parse_EDE_File(bytes);
    return result;
}
