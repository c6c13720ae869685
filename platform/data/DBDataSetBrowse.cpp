// What grids and navigators need beyond moving one record at a time: any
// visible record read in place, record numbers, bookmarks, inserting before
// the current record and rebuilding the view.

#include <algorithm>

#include "DBDataSet.h"
#include "DBMessages.h"

namespace zar {

struct TBookmarkData {
  const TDataSet* Owner = nullptr;
  const TRecordStore* Store = nullptr;
  std::uint32_t Row = 0;
  bool Valid = true;
};

// ---- Record numbers and refreshing ------------------------------------------------------

void TDataSet::SetRecNo(Integer Value) {
  CheckBrowseMode();
  if (FView.empty()) return;
  const std::int64_t last = static_cast<std::int64_t>(FView.size()) - 1;
  MoveTo(std::clamp<std::int64_t>(std::int64_t{Value} - 1, 0, last));
}

void TDataSet::Refresh() {
  CheckBrowseMode();
  RefreshView();
  DataSetChanged();
  NotifyDetails();
}

void TDataSet::Insert() {
  FInsertHere = true;
  Append();
}

// ---- Reading other records --------------------------------------------------------------

TDataSet::TRecordReader::TRecordReader(const TDataSet& DataSet, Integer Index) noexcept
    : FDataSet(DataSet), FSaved(DataSet.FReadRecord) {
  if (!DataSet.Active() || Index < 0 || Index >= DataSet.RecordCount()) return;
  const auto position = static_cast<std::size_t>(Index);
  if (DataSet.FState == TDataSetState::Edit &&
      static_cast<std::int64_t>(position) == DataSet.FCursor)
    DataSet.FReadRecord = DataSet.FEditBuffer.data();
  else
    DataSet.FReadRecord = DataSet.FStore->Row(DataSet.FView[position]);
  FValid = true;
}

TDataSet::TRecordReader::~TRecordReader() { FDataSet.FReadRecord = FSaved; }

// ---- Bookmarks ----------------------------------------------------------------------------

TBookmark TDataSet::GetBookmark() const {
  if (!Active() || FCursor < 0 || FState == TDataSetState::Insert) return nullptr;
  return BookmarkAt(static_cast<Integer>(FCursor));
}

TBookmark TDataSet::BookmarkAt(Integer Index) const {
  if (!Active() || Index < 0 || Index >= RecordCount()) return nullptr;
  auto bookmark = std::make_shared<TBookmarkData>();
  bookmark->Owner = this;
  bookmark->Store = FStore;
  bookmark->Row = FView[static_cast<std::size_t>(Index)];
  std::erase_if(FBookmarks, [](const std::weak_ptr<TBookmarkData>& b) { return b.expired(); });
  FBookmarks.push_back(bookmark);
  return bookmark;
}

bool TDataSet::BookmarkValid(const TBookmark& Bookmark) const noexcept {
  if (!Bookmark || !Bookmark->Valid || Bookmark->Owner != this || Bookmark->Store != FStore ||
      !Active())
    return false;
  return std::find(FView.begin(), FView.end(), Bookmark->Row) != FView.end();
}

void TDataSet::GotoBookmark(const TBookmark& Bookmark) {
  CheckActive();
  if (!BookmarkValid(Bookmark)) Error(SRecordNotFound);
  CheckBrowseMode();
  // Posting may have reordered or hidden records; look again.
  const auto found = std::find(FView.begin(), FView.end(), Bookmark->Row);
  if (!Bookmark->Valid || found == FView.end()) Error(SRecordNotFound);
  MoveTo(found - FView.begin());
}

void TDataSet::BookmarksRowErased(std::uint32_t Row) noexcept {
  for (const auto& weak : FBookmarks) {
    const TBookmark bookmark = weak.lock();
    if (!bookmark || bookmark->Store != FStore) continue;
    if (bookmark->Row == Row)
      bookmark->Valid = false;
    else if (bookmark->Row > Row)
      --bookmark->Row;
  }
}

void TDataSet::InvalidateBookmarks() noexcept {
  for (const auto& weak : FBookmarks)
    if (const TBookmark bookmark = weak.lock()) bookmark->Valid = false;
  FBookmarks.clear();
}

}  // namespace zar
