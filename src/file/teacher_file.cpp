#include "teacher_file.h"

#include <algorithm>

#include "slip_json.h"
#include "utf8.h"

namespace recibo::file {
namespace {

const std::string kVersion = "version";
const std::string kPeriod = "period";
const std::string kInput = "input";
const std::string kComment = "comment";
const std::string kSlip = "slip";

std::size_t lineOfByte(std::string_view bytes, std::size_t offset)
{
    offset = std::min(offset, bytes.size());
    return 1 + static_cast<std::size_t>(std::count(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(offset), '\n'));
}

const Json &member(const Json &object, const std::string &key)
{
    const auto found = object.find(key);
    if (found == object.end())
        throw EntriesError(key, "falta la clave");
    return *found;
}

const std::string &text(const Json &value, const std::string &key)
{
    if (!value.is_string())
        throw EntriesError(key, "debe ser un texto");
    return value.get_ref<const std::string &>();
}

void checkVersion(const Json &root)
{
    const Json &version = member(root, kVersion);
    if (!version.is_number_integer() || version.get<std::int64_t>() < 1)
        throw EntriesError(kVersion, "debe ser un número entero desde 1");
    if (version.get<std::int64_t>() > kTeacherFileVersion)
        throw EntriesError(kVersion, "el archivo es de una versión más nueva del programa (formato "
                                         + std::to_string(version.get<std::int64_t>()) + ")");
}

Comment readComment(const Json &root)
{
    Comment comment;
    const auto found = root.find(kComment);
    if (found == root.end())
        return comment;
    if (!found->is_object())
        throw EntriesError(kComment, "debe ser un objeto");
    for (const auto &[key, value] : found->items()) {
        if (key == "title")
            comment.title = text(value, kComment + ".title");
        else if (key == "text")
            comment.text = text(value, kComment + ".text");
        else
            throw EntriesError(kComment + "." + key, "clave desconocida");
    }
    return comment;
}

// The amounts typed from the slip, kept as typed even where they do not read as amounts.
Slip readSlip(const Json &root)
{
    const auto found = root.find(kSlip);
    if (found == root.end())
        return Slip();
    try {
        return slips::slipFromJson(*found);
    } catch (const slips::SlipJsonError &error) {
        throw EntriesError(error.where().empty() ? kSlip : kSlip + "." + error.where(), error.what());
    }
}

void checkKnownKeys(const Json &root)
{
    for (const auto &[key, value] : root.items())
        if (key != kVersion && key != kPeriod && key != kInput && key != kComment && key != kSlip)
            throw EntriesError(key, "clave desconocida");
}

TeacherFile readParsed(const Json &root, const PeriodLookup &periods)
{
    if (!root.is_object())
        throw EntriesError("", "el archivo debe ser un objeto JSON");
    checkKnownKeys(root);
    checkVersion(root);
    TeacherFile file;
    file.period = text(member(root, kPeriod), kPeriod);
    const Period *period = periods(file.period);
    if (!period)
        throw EntriesError(kPeriod, "el período «" + file.period + "» no está entre los que ofrece el programa");
    const Json &input = member(root, kInput);
    file.entries = entriesFromJson(input, *period, kInput + ".").snapshot;
    if (input.is_object() && input.contains("decimal"))
        throw EntriesError(kInput + ".decimal", "clave desconocida");
    const std::string &code = file.entries.codigocargo;
    if (!code.empty() && !period->findPosition(code))
        throw EntriesError(kInput + ".position.code", "el cargo " + code + " no está en el catálogo de «" + file.period + "»");
    file.comment = readComment(root);
    file.slip = readSlip(root);
    return file;
}

}  // namespace

TeacherFileReading readTeacherFile(std::string_view bytes, const PeriodLookup &periods)
{
    if (bytes.size() > kMaxTeacherFileBytes)
        return {std::nullopt, FileProblem{0, {}, "el archivo pasa de 1 MB"}};
    if (const auto bad = firstInvalidUtf8Line(bytes))
        return {std::nullopt, FileProblem{*bad, {}, "no es texto UTF-8"}};
    Json root;
    try {
        root = Json::parse(bytes);
    } catch (const Json::parse_error &error) {
        // The byte where the reader stopped, counted from 1.
        return {std::nullopt, FileProblem{lineOfByte(bytes, error.byte == 0 ? 0 : error.byte - 1), {}, "no es JSON válido"}};
    } catch (const Json::exception &) {
        return {std::nullopt, FileProblem{0, {}, "no es JSON válido: tiene un número demasiado grande"}};
    }
    try {
        return {readParsed(root, periods), std::nullopt};
    } catch (const EntriesError &error) {
        return {std::nullopt, FileProblem{0, error.key(), error.problem()}};
    }
}

std::string writeTeacherFile(const TeacherFile &file, const Period &period)
{
    Json root;
    root[kVersion] = kTeacherFileVersion;
    root[kPeriod] = file.period;
    root[kInput] = entriesToJson(file.entries, period);
    root[kComment] = Json{{"title", file.comment.title}, {"text", file.comment.text}};
    root[kSlip] = slips::slipToJson(file.slip);
    return root.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

}  // namespace recibo::file
