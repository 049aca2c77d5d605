// The attach path as a browser drives it: frame load events gathered into loads, each load's
// page read within the page bound, judged against the pages taken so far, walked, and the
// month stored. Each input line is one thing the browser sends:
//   s ID / p ID / d ID   a frame started loading / stopped / was detached
//   n ID URL             a frame navigated to URL
//   h URL HTML           what the next read returns: a top page whose frame, at URL, holds HTML
//   r JSON               what the next read returns, as the browser's own JSON
// Properties: no two pages the walk takes show the same first row (a page is never taken
// twice), and a month the walk stores reads back sound with the month's rows (a character
// the file's single-byte text lacks is stored as a character reference, so only the rows
// are counted, not compared byte for byte).
#include "FuzzOracle.h"
#include "platform/browser/DevToolsPage.h"
#include "platform/browser/FrameLoads.h"
#include "retrieval/AttachedPages.h"
#include "retrieval/FileDataStore.h"
#include "retrieval/MonthCache.h"
#include "retrieval/RecordFrame.h"
#include "retrieval/RecordPageWalk.h"
#include "retrieval/RowText.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <set>

namespace {

constexpr int PageCharacters = 1 << 20;

std::pair<std::string_view, std::string_view> firstWord(std::string_view text) {
    const auto blank = text.find(' ');
    return blank == std::string_view::npos
               ? std::pair{text, std::string_view()}
               : std::pair{text.substr(0, blank), text.substr(blank + 1)};
}

QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The portal's top page: the user's name at element 71, the record frame after it.
QJsonObject framedPage(std::string_view line) {
    static const QString top = "<html><head><title>Netravo portal</title></head><body>" +
                               QString("<i></i>").repeated(67) +
                               "<p>x, welcome!</p><iframe src=\"/r\"></iframe></body></html>";
    const auto [url, html] = firstWord(line);
    const QJsonObject frame{{"url", qs(url)}, {"html", qs(html)}, {"frames", QJsonArray{}}};
    return {{"url", "http://portal.test/records/ResultsView"},
            {"html", top},
            {"frames", QJsonArray{frame}}};
}

// The first row of the record table, as the walk keeps rows.
std::string firstRow(const Document& page, const PortalLayout& layout) {
    const Document* frame = RecordFrame::of(page, layout);
    const auto tables = frame ? frame->getElementsByTagName("table") : std::vector<Element*>();
    const auto at = static_cast<std::size_t>(layout.rowsTable);
    const auto rows = at < tables.size() ? tables[at]->rows() : std::vector<Element*>();
    const auto first = static_cast<std::size_t>(layout.firstRow);
    return first < rows.size() ? RecordPageWalk::rowText(*rows[first], layout) : std::string();
}

std::size_t rows(std::string_view text) {
    const auto pieces = RowText::split(text);
    return static_cast<std::size_t>(
        std::count_if(pieces.begin(), pieces.end(), [](const auto& piece) { return piece.isRow; }));
}

struct AttachedRun {
    explicit AttachedRun(const QString& folder)
        : walk({true, folder, {}, {}})
        , pages({}, "") {}

    // One load of the window; false once the run has ended.
    bool load(const Document& page) {
        const AttachedStep step = started ? pages.loaded(page) : pages.start(page);
        started = true;
        if (step.kind != AttachedStep::Kind::Walk) {
            return step.kind == AttachedStep::Kind::Click || step.kind == AttachedStep::Kind::Wait;
        }
        const std::string row = firstRow(page, {});
        fuzzRequire(row.empty() || taken.insert(row).second, "a page was taken twice", row);
        const WalkStep walked = walk.ProcessRecordPage(const_cast<Document&>(page));
        if (walked.kind == WalkStep::Kind::NextPage) {
            pages.walked(page, walked.nextPageLink);
            return true;
        }
        if (walked.kind == WalkStep::Kind::Finished) {
            checkStored();
        }
        return false;
    }

    void checkStored() const {
        const QString file = walk.mstrCacheFile();
        if (file.isEmpty() || !QFile::exists(file)) {
            return;
        }
        const std::string stored = FileDataStore::ReadFileData(file, true);
        fuzzRequire(rows(stored) == rows(walk.month().mstrRows),
                    "the stored month has other rows than the month", stored);
        fuzzRequire(!MonthCache::damage(stored), "a damaged month was stored", stored);
        QFile::remove(file);
    }

    RecordPageWalk walk;
    AttachedPages pages;
    bool started = false;
    std::set<std::string> taken;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static QTemporaryDir folder;
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    AttachedRun run(folder.path());
    FrameLoads loads;
    QJsonObject read;
    std::size_t start = 0;
    while (start < input.size()) {
        const std::size_t end = std::min(input.find('\n', start), input.size());
        const std::string_view line = input.substr(start, end - start);
        start = end + 1;
        if (line.size() < 2) {
            continue;
        }
        const auto [id, rest] = firstWord(line.substr(2));
        std::optional<std::string> loaded;
        switch (line[0]) {
        case 's':
            loaded = loads.event("Page.frameStartedLoading", {{"frameId", qs(id)}});
            break;
        case 'p':
            loaded = loads.event("Page.frameStoppedLoading", {{"frameId", qs(id)}});
            break;
        case 'd':
            loaded = loads.event("Page.frameDetached", {{"frameId", qs(id)}});
            break;
        case 'n':
            loaded = loads.event("Page.frameNavigated",
                                 {{"frame", QJsonObject{{"id", qs(id)}, {"url", qs(rest)}}}});
            break;
        case 'h':
            read = framedPage(line.substr(2));
            break;
        case 'r':
            read = QJsonDocument::fromJson(QByteArray(line.data() + 2, line.size() - 2)).object();
            break;
        default:
            break;
        }
        if (!loaded) {
            continue;
        }
        std::string why;
        const auto page = DevToolsPage::toDocument(read, PageCharacters, why);
        if (page && !run.load(*page)) {
            break;
        }
    }
    return 0;
}
