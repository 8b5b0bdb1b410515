#include "RunDirectoryLister.h"

#include <array>
#include <memory>
#include <optional>

#include "ColumnSort.h"
#include "DirectoryMask.h"
#include "core/WindowProcedure.h"
#include "runtime/data/RecordDescription.h"
#include "runtime/data/Records.h"

namespace dirdock {

namespace {

constexpr std::int32_t BrowseButton = 3;
constexpr std::int32_t FileList = 4;
constexpr std::int32_t LongNameKey = 1;
constexpr std::int32_t OpenFileFlags = 2;

class DirectoryLister final : public WindowProcedure {
protected:
    void initialiseVariables() override
    {
        sortState = 0;
        DirectoryPath = std::string_view{};
        AssignTerminated(DialogTitle, {});
        AssignTerminated(DialogFilter, {});
        AssignTerminated(DialogFileName, {});
        listBuffer = std::make_unique_for_overwrite<ListRecord>();
        ClearRecord(listBuffer.get(), ListRecordDescription);
        ListEntries.emplace(listBuffer.get(), ListRecordDescription, sizeof(ListRecord));
        entryBuffer = std::make_unique_for_overwrite<DirectoryEntryRecord>();
        ClearRecord(entryBuffer.get(), DirectoryEntryDescription);
        DirectoryEntries.emplace(entryBuffer.get(), DirectoryEntryDescription, sizeof(DirectoryEntryRecord));
    }

    WindowRef prepareWindow() override
    {
        return PrepareChildWindow("Kestrova$KSTRV003", "P1$WINDOW", {DirectoryPath, *ListEntries});
    }

    void handleOwnEvent(std::int32_t event) override
    {
        // The runtime carries out the press first, then reports it alerted.
        if (event == EvKeyPreAlert)
            cycleFlag = 1;
        else if (event == EvKeyAlerted)
            sortByPressedHeader();
    }

    void handleControl(std::int32_t control, std::int32_t event) override
    {
        if (control == BrowseButton && event == EvAccepted)
            browseAndList();
    }

    void ownReleases() override
    {
        QueueFree(*DirectoryEntries);
        DirectoryEntries.reset();
        entryBuffer.reset();
        QueueFree(*ListEntries);
        ListEntries.reset();
        listBuffer.reset();
    }

private:
    void browseAndList()
    {
        chooseFile();
        CutToDirectoryMask(DirectoryPath);
        QueueFree(*DirectoryEntries);
        QueueFree(*ListEntries);
        ListDirectory(*DirectoryEntries, DirectoryPath.view(), 0);
        copyEntriesToList();
        QueueSort(*ListEntries, LongNameKey);
        Redisplay(0, 0);
    }

    // A cancelled dialog leaves the path as it was; the listing runs anyway.
    void chooseFile()
    {
        AssignTerminated(DialogFileName, DirectoryPath.trimmed());
        AssignTerminated(DialogTitle, "Choose a File");
        AssignTerminated(DialogFilter, "All Files|*.*");
        const std::int32_t chosen =
            FileDialog(TerminatedText(DialogTitle), DialogFileName, TerminatedText(DialogFilter), OpenFileFlags);
        if (chosen == 0)
            return;
        DirectoryPath = TerminatedText(DialogFileName);
        RefreshDisplay();
    }

    void copyEntriesToList()
    {
        const std::int32_t count = QueueCount(*DirectoryEntries);
        for (std::int32_t i = 1; i <= count; ++i) {
            QueueGet(*DirectoryEntries, i);
            copyEntryRecord();
            QueueAdd(*ListEntries);
        }
    }

    void copyEntryRecord()
    {
        const DirectoryEntryRecord& entry = *entryBuffer;
        ListRecord& row = *listBuffer;
        AssignFixed(row.FqName, {entry.Name, sizeof entry.Name});
        AssignFixed(row.FqShortName, {entry.ShortName, sizeof entry.ShortName});
        row.FqDate = entry.Date;
        row.FqTime = entry.Time;
        row.FqSize = entry.Size;
        row.FqAttrib = entry.Attrib;
    }

    // Both alerted presses of the window arrive here; only a press that the
    // list recorded on its header row sorts.
    void sortByPressedHeader()
    {
        if (ToNumber(GetProperty(0, FileList, PropClickRow)) != 0)
            return;
        const std::int32_t column = PressedColumn(GetProperty(0, FileList, PropClickColumn));
        if (column != 0) {
            const HeaderSort next = NextHeaderSort(sortState, column);
            sortState = next.state;
            QueueSort(*ListEntries, next.key);
        }
        SetProperty(0, FileList, PropClickRow, 1);
        Redisplay(FileList, 0);
    }

    FixedText<255> DirectoryPath;
    std::array<char, 256> DialogFileName{};
    std::array<char, 40> DialogTitle{};
    std::array<char, 250> DialogFilter{};
    std::unique_ptr<ListRecord> listBuffer;
    std::unique_ptr<DirectoryEntryRecord> entryBuffer;
    std::optional<Queue> ListEntries;
    std::optional<Queue> DirectoryEntries;
    std::uint8_t sortState = 0;
};

} // namespace

void RunDirectoryLister()
{
    DirectoryLister().run();
}

} // namespace dirdock
