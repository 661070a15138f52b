#include "teacher_file.h"

#include <algorithm>

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

// Amounts as typed, by row code (a list where a code stands more than once) and by total.
Json readSlip(const Json &root)
{
    const auto found = root.find(kSlip);
    if (found == root.end())
        return Json::object();
    if (!found->is_object())
        throw EntriesError(kSlip, "debe ser un objeto");
    for (const auto &[part, lines] : found->items()) {
        const std::string where = kSlip + "." + part;
        if (part != "rows" && part != "totals")
            throw EntriesError(where, "clave desconocida");
        if (!lines.is_object())
            throw EntriesError(where, "debe ser un objeto");
        for (const auto &[code, amount] : lines.items()) {
            const bool listOfTexts = part == "rows" && amount.is_array()
                                     && std::all_of(amount.begin(), amount.end(), [](const Json &a) { return a.is_string(); });
            if (part == "totals" && code != "thaberes" && code != "tdescuentos" && code != "liquido")
                throw EntriesError(where + "." + code, "clave desconocida");
            if (!amount.is_string() && !listOfTexts)
                throw EntriesError(where + "." + code, part == "rows" ? "debe ser un texto o una lista de textos"
                                                                       : "debe ser un texto");
        }
    }
    return *found;
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
    root[kSlip] = file.slip.empty() ? Json{{"rows", Json::object()}, {"totals", Json::object()}} : file.slip;
    return root.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

}  // namespace recibo::file
