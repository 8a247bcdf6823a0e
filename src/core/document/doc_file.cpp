// Opening and saving a catalogue: reading the file's items into the document, and writing them.
#include <new>

#include "catalogue_file.h"
#include "file_access.h"
#include "file_errors.h"
#include "messages.h"
#include "record_store.h"
#include "reelkeep_doc.h"
#include "smf_format.h"
#include "smf_reader.h"
#include "smf_writer.h"

namespace reelkeep {

namespace {

constexpr auto kBaseListCount = static_cast<std::uint32_t>(kFileBaseListCount);

// The ten field lists every version carries, in file order: after the custom lists.
std::span<const Field> BaseFields() {
    return std::span(FieldsInFileOrder()).subspan(kCustomFieldCount, kFileBaseListCount);
}

bool HasLayouts(SmfVersion v) { return v == SmfVersion::Current; }
bool HasCustomData(SmfVersion v) { return v == SmfVersion::Current || v == SmfVersion::Custom; }
bool HasSynopsis(SmfVersion v) { return v != SmfVersion::Oldest; }

// One step after the layouts, one per heading, list and colour list, and one before the ten
// field lists.
std::uint32_t LoadSteps(SmfVersion v) {
    return (HasLayouts(v) ? 1 : 0) + (HasCustomData(v) ? 8 : 0) + 1 + kBaseListCount + 2 +
           (HasSynopsis(v) ? 1 : 0);
}

// The number of lists holding one String per record: the least bytes each record takes.
std::uint32_t ListsPerRecord(SmfVersion v) {
    return (HasCustomData(v) ? 4 : 0) + kBaseListCount + (HasSynopsis(v) ? 1 : 0);
}

ColumnLayouts ReadLayouts(CSmfReader& reader, ColumnLayouts layouts) {
    for (ColumnLayout& layout : layouts) {
        for (int slot = 0; slot < smf::kIdsPerLayout; ++slot) layout.ids[slot] = reader.ReadU32();
    }
    for (ColumnLayout& layout : layouts) {
        for (int slot = 1; slot <= smf::kPositionsPerLayout; ++slot) {
            layout.positions[slot] = static_cast<std::int32_t>(reader.ReadU32());
        }
    }
    return layouts;
}

void WriteLayouts(CSmfWriter& writer, const ColumnLayouts& layouts) {
    for (const ColumnLayout& layout : layouts) {
        for (int slot = 0; slot < smf::kIdsPerLayout; ++slot) writer.WriteU32(layout.ids[slot]);
    }
    for (const ColumnLayout& layout : layouts) {
        for (int slot = 1; slot <= smf::kPositionsPerLayout; ++slot) {
            writer.WriteU32(static_cast<std::uint32_t>(layout.positions[slot]));
        }
    }
}

// The file's items from the layouts on; the field lists go into the loader.
void ReadBody(CCatalogueDisplay& display, CSmfReader& reader, SmfVersion version,
              CRecordLoader& records, CLookupFiller& lookups, HeadingTexts& headings,
              CProgressScope& progress) {
    const auto readList = [&](Field f) {
        records.Take(f, reader.ReadStringList(records.Count()));
        lookups.FieldRead(f);
        progress.Step();
    };
    if (HasLayouts(version)) {
        display.Layouts() = ReadLayouts(reader, display.Layouts());
        progress.Step();
    }
    if (HasCustomData(version)) {
        for (std::string& heading : headings) {
            heading = reader.ReadString();
            progress.Step();
        }
        for (std::size_t k = 0; k < kCustomFieldCount; ++k) readList(CustomField(k));
    }
    progress.Step();
    for (const Field f : BaseFields()) readList(f);
    display.AdoptDataColors(reader.ReadColorList());
    progress.Step();
    display.HeadingColors() = reader.ReadColorList();
    progress.Step();
    if (HasSynopsis(version)) readList(Field::Synopsis);
}

}  // namespace

void CReelkeepDoc::ReadItems(CSmfReader& reader, HeadingTexts& headings, bool& touched) {
    const std::uint32_t mark = reader.ReadU32();
    const SmfVersion version = VersionOfMark(mark);
    CProgressScope progress(ui_, msg::kProgressLoading, LoadSteps(version), progressEnabled_);
    const bool markIsCount = version == SmfVersion::Oldest && MarkIsRecordCount(mark);
    const std::uint32_t count = markIsCount ? mark : reader.ReadU32();
    // A record count the rest of the file cannot hold would only size arrays for nothing.
    reader.RequireItems(count, ListsPerRecord(version));

    CRecordLoader records(count);
    // The lookup lists fill on a second core from each field as it is read. Made before anything
    // changes, as running out of memory here keeps the catalogue there was.
    CLookupFiller lookups(count, [&records](Field f) -> const std::vector<std::string>& {
        return records.Column(f);
    });
    CLookupFiller::Lists filled;
    touched = true;
    ClearUndoJournal();
    StartLoading();
    try {
        ReadBody(display_, reader, version, records, lookups, headings, progress);
        filled = lookups.Finish();
        catalogue_.Adopt(records);
    } catch (const std::bad_alloc&) {
        // What was read is kept, the rest of each record empty; the lists are dropped.
        lookups.Stop();
        catalogue_.Adopt(records);
        throw;
    }
    catalogue_.AdoptLookups(std::move(filled));
}

bool CReelkeepDoc::OpenDocument(const std::string& path) {
    try {
        CFileSource source(path);
        return ReadDocument(source, path);
    } catch (const CFileError& error) {
        Warn(ui_, FileErrorText(FileOperation::Read, error.ErrorNumber(), path, ui_.Language()));
        return false;
    }
}

bool CReelkeepDoc::ReadDocument(IByteSource& source, std::string_view path) {
    bool opened = false;
    std::optional<std::string> problem;
    {
        CChangeScope change(*this);
        problem = LoadCatalogue(source, path, opened);
    }
    // Said only once the document is whole again, shown, and the wait cursor is gone.
    if (problem) Warn(ui_, *problem);
    return opened;
}

std::optional<std::string> CReelkeepDoc::LoadCatalogue(IByteSource& source, std::string_view path,
                                                       bool& opened) {
    opened = true;
    // A file without a byte is a new catalogue, as someone who made it with touch expects.
    if (source.Size() == 0) {
        OnNewDocument();
        RequestViewUpdate();
        return std::nullopt;
    }
    CWaitCursorScope wait(ui_);
    HeadingTexts headings;
    bool touched = false;
    const auto failed = [&](std::string text) -> std::optional<std::string> {
        opened = false;
        // A catalogue half replaced by the file's data is of no use: start a new one.
        if (touched) {
            OnNewDocument();
            RequestViewUpdate();
        }
        return text;
    };
    try {
        {
            CSmfReader reader(source);
            ReadItems(reader, headings, touched);
        }
        FinishLoad(headings, LookupsAt::Filled);
    } catch (const CSmfFormatError&) {
        return failed(std::string(msg::kUnexpectedFormat));
    } catch (const CFileError& error) {
        return failed(
            FileErrorText(FileOperation::Read, error.ErrorNumber(), path, ui_.Language()));
    } catch (const std::bad_alloc&) {
        // The open still counts as done, with what was read.
        KeepWhatWasLoaded();
        modified_ = false;
        RequestViewUpdate();
        return std::string(msg::kNoMemoryLoad);
    }
    modified_ = false;
    return std::nullopt;
}

void CReelkeepDoc::KeepWhatWasLoaded() {
    // What was built from the previous catalogue may name records or values that are gone. The
    // records stay in record order, so no sort is marked as shown.
    ClearUndoJournal();
    display_.ResetState();
    catalogue_.ClearLookups();
    display_.Selection() = RowSelection{};
    ui_.ClearSelection();
    display_.RebuildOrderOrClear();
}

void CReelkeepDoc::SetUpLike(const CReelkeepDoc& other) {
    display_.CopyFrom(other.display_);
    ready_ = other.ready_;
    progressEnabled_ = other.progressEnabled_;
    previousIgnoreTheNormal_ = other.previousIgnoreTheNormal_;
    previousIgnoreTheOneLine_ = other.previousIgnoreTheOneLine_;
    find_ = other.find_;
    printerColorCount_ = other.printerColorCount_;
}

void CReelkeepDoc::TakeLoadedCatalogue(CReelkeepDoc& loaded) {
    CChangeScope change(*this);
    ++catalogueSerial_;
    ui_.ClearSelection();
    ClearUndoJournal();
    catalogue_.TakeFrom(std::move(loaded.catalogue_));
    display_.TakeFrom(std::move(loaded.display_));
    ready_ = loaded.ready_;
    progressEnabled_ = loaded.progressEnabled_;
    // An empty file starts a new catalogue, which forgets the last Find.
    find_ = loaded.find_;
    modified_ = false;
    ui_.ApplyCustomHeadings(display_.CustomHeadings(), false);
    RequestViewUpdate();
}

void CReelkeepDoc::LoadRecords(CRecordLoader& records, const HeadingTexts& headings) {
    CChangeScope change(*this);
    ClearUndoJournal();
    StartLoading();
    catalogue_.Adopt(records);
    FinishLoad(headings);
}

bool CReelkeepDoc::SaveDocument(const std::string& path) {
    return SaveDocument(path, PosixFileCalls());
}

bool CReelkeepDoc::SaveDocument(const std::string& path, const CFileCalls& calls) {
    try {
        WriteFileAtomically(
            path, [this](IByteSink& sink) { WriteDocument(sink); }, calls);
    } catch (const CFileError& error) {
        Warn(ui_, FileErrorText(error.WriteOperation(), error.ErrorNumber(), path, ui_.Language()));
        return false;
    } catch (const std::exception&) {
        Warn(ui_, FileErrorText(FileOperation::Write, 0, path, ui_.Language()));
        return false;
    }
    modified_ = false;
    return true;
}

void CReelkeepDoc::WriteDocument(IByteSink& sink) const {
    const CatalogueTail tail{display_.Layouts(), display_.CustomHeadings(), display_.DataColors(),
                             display_.HeadingColors()};
    WriteCatalogueFile(
        sink, catalogue_.Count(),
        [this](Field f) -> const std::vector<std::string>& { return catalogue_.Column(f); }, tail);
}

void WriteCatalogueFile(IByteSink& sink, std::uint32_t count,
                        const std::function<const std::vector<std::string>&(Field)>& column,
                        const CatalogueTail& tail) {
    CSmfWriter writer(sink);
    writer.WriteU32(smf::kMarkCurrent);
    writer.WriteU32(count);
    WriteLayouts(writer, tail.layouts);
    for (const std::string& heading : tail.headings) writer.WriteString(heading);
    for (std::size_t k = 0; k < kCustomFieldCount; ++k)
        writer.WriteStringList(column(CustomField(k)));
    for (const Field f : BaseFields()) writer.WriteStringList(column(f));
    writer.WriteColorList(tail.dataColors);
    writer.WriteColorList(tail.headingColors);
    writer.WriteStringList(column(Field::Synopsis));
    writer.Flush();
}

}  // namespace reelkeep
