#include "import_report.h"

#include <algorithm>
#include <string_view>

#include "messages.h"

namespace reelkeep {

namespace {

std::string WithNumber(const CTextLanguage& language, std::string_view text, std::uint64_t number) {
    return FillIn(language.Text(text), "%1", language.Number(number));
}

std::string_view ReasonText(ImportProblemKind kind) {
    switch (kind) {
        case ImportProblemKind::TooManyFields:
            return msg::kImportTooManyFields;
        case ImportProblemKind::TooFewFields:
            return msg::kImportTooFewFields;
        case ImportProblemKind::BadEncoding:
            return msg::kImportBadEncoding;
        case ImportProblemKind::BadUtf16:
            return msg::kImportBadUtf16;
        case ImportProblemKind::UnclosedQuote:
            return msg::kImportUnclosedQuote;
        case ImportProblemKind::Unquoted:
            return msg::kImportUnquoted;
        case ImportProblemKind::ValueCut:
            return msg::kImportValueCut;
        case ImportProblemKind::ActorsCut:
            return msg::kImportActorsCut;
    }
    return {};
}

}  // namespace

bool LeavesLineOut(ImportProblemKind kind) {
    return kind != ImportProblemKind::ValueCut && kind != ImportProblemKind::ActorsCut;
}

std::size_t ImportReport::Skipped() const {
    return static_cast<std::size_t>(
        std::count_if(problems.begin(), problems.end(),
                      [](const ImportProblem& problem) { return LeavesLineOut(problem.kind); }));
}

std::string ProblemText(const ImportProblem& problem, const CTextLanguage& language) {
    std::string text = WithNumber(language, msg::kImportLine, problem.line);
    text += language.Text(ReasonText(problem.kind));
    if (problem.column != 0) text += WithNumber(language, msg::kImportColumn, problem.column);
    return text;
}

std::string ColumnName(const ImportReport& report, std::size_t column,
                       const CTextLanguage& language) {
    std::string name = report.columns[column].heading;
    if (name.find_first_not_of(" \t\r\n") == std::string::npos) {
        return WithNumber(language, msg::kImportUnnamedColumn, column + 1);
    }
    std::replace_if(
        name.begin(), name.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return name;
}

std::string TooManyColumnsText(std::string_view path, const CTextLanguage& language) {
    return FillIn(language.Text(msg::kImportTooManyColumns), "%1", path);
}

std::string ReportText(const ImportReport& report, std::size_t maxProblems,
                       const CTextLanguage& language) {
    std::string text = WithNumber(language, msg::kImportedMovies, report.imported);
    if (const std::size_t skipped = report.Skipped(); skipped != 0) {
        text += '\n';
        text += WithNumber(language, msg::kImportSkippedLines, skipped);
    }
    std::string leftOut;
    for (std::size_t i = 0; i < report.columns.size(); ++i) {
        const ImportColumn& column = report.columns[i];
        if (column.target.kind != ColumnTarget::Kind::Skip || column.blank) continue;
        leftOut += leftOut.empty() ? "" : ", ";
        leftOut += ColumnName(report, i, language);
    }
    if (!leftOut.empty()) {
        text += '\n';
        text += language.Text(msg::kImportColumnsLeftOut);
        text += leftOut;
    }
    const std::size_t shown = std::min(maxProblems, report.problems.size());
    for (std::size_t i = 0; i < shown; ++i) {
        text += '\n';
        text += ProblemText(report.problems[i], language);
    }
    if (shown < report.problems.size()) {
        text += '\n';
        text += WithNumber(language, msg::kImportMoreProblems, report.problems.size() - shown);
    }
    return text;
}

}  // namespace reelkeep
