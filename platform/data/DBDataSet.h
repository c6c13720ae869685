#pragma once
// The dataset: fields over an in-memory record store, states, navigation,
// editing, ordering by index fields, key ranges, filters, nested detail
// datasets and notifications to data sources. Where the records come from
// (a file, a data packet, a master record) is the client dataset's part.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "DBFields.h"
#include "DBRecords.h"
#include "DBTypes.h"
#include "DBVariant.h"

namespace zar {

class TDataSource;
class TFilterExpression;
struct TBookmarkData;

// A remembered record of a dataset; null when there was no record to remember.
using TBookmark = std::shared_ptr<TBookmarkData>;

// What the deDataSetChange being told changed in the visible records, for
// views that update single rows. Positions are 0-based view positions.
struct TViewChange {
  enum TKind : std::uint8_t {
    vcAll,              // anything may have changed
    vcInsertStarted,    // a new record is shown at To, before the record that was there
    vcInsertCancelled,  // the new record shown at From is given up
    vcRowPosted,        // the record at From (-1: the new record) is stored and now at To
                        // (-1: hidden by the filter or the range)
    vcRowDeleted,       // the record at From is gone
  };
  TKind Kind = vcAll;
  Integer From = -1;
  Integer To = -1;
};

class TDataSet {
 public:
  explicit TDataSet(std::string Name = {});
  TDataSet(const TDataSet&) = delete;
  TDataSet& operator=(const TDataSet&) = delete;
  virtual ~TDataSet();

  const std::string& Name() const noexcept { return FName; }
  void SetName(std::string Value) { FName = std::move(Value); }

  // ---- Fields -------------------------------------------------------------
  // Definitions used to create the dataset; when empty, the persistent
  // fields define it.
  TFieldDefs& FieldDefs() noexcept { return FFieldDefs; }
  const TFieldDefs& FieldDefs() const noexcept { return FFieldDefs; }
  // A persistent field, owned by the dataset; only while it is closed. With
  // persistent fields the dataset shows exactly these; otherwise it creates
  // one field per column when it opens and destroys them when it closes.
  template <class T>
  T& AddField(std::string FieldName, Integer Size = 0) {
    auto field = std::make_unique<T>();
    field->SetFieldName(std::move(FieldName));
    if (Size != 0) field->SetSize(Size);
    return static_cast<T&>(AdoptField(std::move(field)));
  }
  std::size_t FieldCount() const noexcept { return FFields.size(); }
  TField& Fields(std::size_t Index) const { return *FFields.at(Index); }
  TField* FindField(std::string_view FieldName) const noexcept;
  TField& FieldByName(std::string_view FieldName) const;  // raises when missing

  // ---- State and navigation --------------------------------------------------
  TDataSetState State() const noexcept { return FState; }
  bool Active() const noexcept { return FState != TDataSetState::Inactive; }
  void SetActive(bool Value);
  void Open();
  void Close();
  void First();
  void Last();
  void Next();
  void Prior();
  bool Eof() const noexcept { return FEof; }
  bool Bof() const noexcept { return FBof; }
  bool IsEmpty() const noexcept { return FView.empty(); }
  // Records visible through the filter and the range.
  Integer RecordCount() const noexcept { return static_cast<Integer>(FView.size()); }
  Integer RecNo() const noexcept { return static_cast<Integer>(FCursor + 1); }
  // Moves to the first visible record whose field equals Value (converted
  // to the field's type); false, and no move, when there is none.
  bool Locate(std::string_view FieldName, const TVariant& Value);
  // Makes the Value-th visible record current (1-based), posting or
  // cancelling an edit first; values outside 1..RecordCount go to the
  // nearest end. Nothing happens on an empty dataset.
  void SetRecNo(Integer Value);
  // Rebuilds the visible records from the stored ones (order, range,
  // filter), keeping the current record when it stays visible.
  void Refresh();

  // ---- Reading other records ------------------------------------------------------
  // While a reader lives, the fields read the visible record Index (0-based)
  // instead of the active one; nothing moves and nobody is told. The
  // current record reads as edited while it is edited. An index outside
  // 0..RecordCount-1 (or a closed dataset) leaves the fields reading the
  // active record and Valid() false. Readers nest; keep them short-lived.
  class TRecordReader {
   public:
    TRecordReader(const TDataSet& DataSet, Integer Index) noexcept;
    TRecordReader(const TRecordReader&) = delete;
    TRecordReader& operator=(const TRecordReader&) = delete;
    ~TRecordReader();
    bool Valid() const noexcept { return FValid; }

   private:
    const TDataSet& FDataSet;
    const std::byte* FSaved;
    bool FValid = false;
  };

  // ---- Bookmarks -------------------------------------------------------------------
  // The current record, or a null bookmark when there is none (closed,
  // empty, or a new record not yet posted).
  TBookmark GetBookmark() const;
  // Makes the bookmarked record current; raises EDatabaseError "Record not
  // found" when it is not valid.
  void GotoBookmark(const TBookmark& Bookmark);
  // The record still exists in this dataset and is visible (filter, range).
  bool BookmarkValid(const TBookmark& Bookmark) const noexcept;
  void FreeBookmark(TBookmark& Bookmark) noexcept { Bookmark.reset(); }
  // A bookmark of the visible record Index (0-based) without moving to it;
  // null outside 0..RecordCount-1.
  TBookmark BookmarkAt(Integer Index) const;

  // ---- Views -------------------------------------------------------------------------
  // Where the new record being inserted is shown among the visible records
  // (0-based); -1 when no record is being inserted.
  Integer PendingRow() const noexcept { return FPendingRow; }
  // What the deDataSetChange being told changed; vcAll at any other time.
  const TViewChange& ViewChange() const noexcept { return FViewChange; }

  // ---- Editing ------------------------------------------------------------------
  void Append();
  // A new record shown before the current one while it is edited (Append
  // shows it last); once posted it takes its place in the order, as an
  // appended one does.
  void Insert();
  void Edit();  // on an empty dataset, appends
  void Post();
  void Cancel();
  void Delete();
  bool Modified() const noexcept { return FModified; }
  bool CanModify() const noexcept { return Active(); }
  // Stores the pending values of bound controls into the record.
  void UpdateRecord();
  // Leaves edit or insert mode: posts a modified record, cancels the rest.
  void CheckBrowseMode();
  std::function<void(TDataSet& DataSet)> AfterPost;

  // With the change log on, posted rows keep whether they were inserted or
  // modified since the last merge, and data packets record it. Nested
  // datasets follow their master's setting.
  bool LogChanges() const noexcept { return FLogChanges; }
  void SetLogChanges(bool Value) noexcept { FLogChanges = Value; }
  void MergeChangeLog();

  // ---- Filter ---------------------------------------------------------------------
  // A bad filter raises EDatabaseError when it is applied (setting Filter
  // while Filtered, setting Filtered, or opening), and the dataset keeps
  // the filtering it had.
  const std::string& Filter() const noexcept { return FFilterText; }
  void SetFilter(std::string Value);
  bool Filtered() const noexcept { return FFiltered; }
  void SetFiltered(bool Value);

  // ---- Order and ranges ---------------------------------------------------------------
  std::vector<TIndexDef>& IndexDefs() noexcept { return FIndexDefs; }
  const std::vector<TIndexDef>& IndexDefs() const noexcept { return FIndexDefs; }
  // Fields separated by ';' that order the records; empty for file order.
  const std::string& IndexFieldNames() const noexcept { return FIndexFieldNames; }
  void SetIndexFieldNames(std::string Value);
  // Range keys: the index fields are then assigned through the fields (state
  // TDataSetState::SetKey); fields left null do not bound the range.
  void SetRangeStart();
  void SetRangeEnd();
  void ApplyRange();
  void CancelRange();
  // The same in one call, values given in index field order.
  void SetRange(const std::vector<TVariant>& StartValues, const std::vector<TVariant>& EndValues);

  // ---- Bound controls ------------------------------------------------------------------
  // While disabled, data sources hear nothing; enabling again tells them once
  // that everything may have changed.
  void DisableControls() noexcept { ++FDisableCount; }
  void EnableControls();
  bool ControlsDisabled() const noexcept { return FDisableCount > 0; }

  // ---- Nested datasets -------------------------------------------------------------------
  // Makes this dataset show the rows of the master's nested field of the
  // master's current record. Only while closed.
  TDataSetField* DataSetField() const noexcept { return FDataSetField; }
  void SetDataSetField(TDataSetField* Value);

  // The definitions the dataset is created from: FieldDefs, or when empty the
  // persistent fields (a nested field taking its detail dataset's).
  TFieldDefs EffectiveFieldDefs() const;

 protected:
  // The store of a dataset that is not nested, already checked; raises to
  // refuse opening.
  virtual TRecordStore& OpenRootStore() = 0;
  // The store is released; called when a root dataset closes.
  virtual void CloseRootStore() noexcept = 0;
  // A root dataset's file or packet must be written: data changed since it
  // was read or created.
  bool DataChanged() const noexcept { return FDataChanged; }
  void SetDataChanged(bool Value) noexcept { FDataChanged = Value; }
  // Writes pending data before a root dataset closes; raising keeps it open.
  virtual void BeforeClose() {}
  // Raises EDatabaseError when a persistent field has no column of its name
  // and type in the layout.
  void CheckPersistentFields(const TRecordLayout& Layout) const;
  [[noreturn]] void Error(std::string_view Message) const;
  void CheckInactive() const;
  void CheckActive() const;

 private:
  friend class TField;
  friend class TDataSource;

  // Fields
  TField& AdoptField(std::unique_ptr<TField> Field);
  void BindFields();
  void UnbindFields() noexcept;
  const TRecordLayout& Layout() const noexcept { return FStore->Layout(); }
  const std::byte* ActiveRecord() const noexcept;
  std::byte* WritableRecord(const TField& Field);
  void FieldChanged(TField& Field);

  // Records
  TRecordStore& OpenStore();
  TRecordStore& MasterStore() const;
  void BindStore(TRecordStore& Store);
  std::uint32_t CurrentRow() const noexcept { return FView[static_cast<std::size_t>(FCursor)]; }
  std::vector<std::size_t> ResolveColumns(std::string_view Names) const;
  bool IsVisible(const std::byte* Row) const;
  int CompareKey(const std::byte* Row, const std::vector<std::byte>& Key) const noexcept;
  bool InRange(const std::byte* Row) const noexcept;
  bool Precedes(std::uint32_t A, std::uint32_t B) const noexcept;
  // Rebuilds the visible records, keeping the current row when it stays.
  void RefreshView();
  void ShowRow(std::uint32_t Row, bool Added);
  void Resync();
  void EditKey(std::vector<std::byte>& Key);
  void MoveTo(std::int64_t Cursor);
  void CheckRequiredFields() const;
  void CheckUniqueKeys(const std::byte* Record, std::int64_t OwnRow) const;
  void AssignAutoIncrements(std::byte* Record);
  void MarkChanged();
  // A nested dataset logs its changes as its master does.
  bool ChangesLogged() const noexcept;
  std::unique_ptr<TFilterExpression> CompileFilter(std::string_view Text) const;

  // Notifications
  void SetState(TDataSetState Value);
  void DataEvent(TDataEvent Event, TField* Field = nullptr);
  void DataSetChanged();
  void MasterChanged();
  void NotifyDetails();
  void AddDataSource(TDataSource* Source);
  // Bookmarks
  void BookmarksRowErased(std::uint32_t Row) noexcept;
  void InvalidateBookmarks() noexcept;
  void RemoveDataSource(TDataSource* Source) noexcept;

  std::string FName;
  TFieldDefs FFieldDefs;
  std::vector<std::unique_ptr<TField>> FFields;
  bool FDynamicFields = false;
  std::vector<TIndexDef> FIndexDefs;

  TDataSetState FState = TDataSetState::Inactive;
  TRecordStore* FStore = nullptr;
  std::unique_ptr<TRecordStore> FEmptyDetailStore;  // a detail without a master record
  std::vector<std::uint32_t> FView;
  std::int64_t FCursor = -1;
  bool FBof = true;
  bool FEof = true;
  std::vector<std::byte> FEditBuffer;
  bool FModified = false;
  bool FLogChanges = true;
  bool FDataChanged = false;

  std::string FFilterText;
  bool FFiltered = false;
  std::unique_ptr<TFilterExpression> FFilter;

  std::string FIndexFieldNames;
  std::vector<std::size_t> FIndexColumns;
  std::vector<std::byte> FRangeStart, FRangeEnd;
  std::vector<std::byte>* FKeyBuffer = nullptr;
  bool FRangeActive = false;

  int FDisableCount = 0;
  bool FPendingStateChange = false;
  bool FPendingDataChange = false;
  std::vector<TDataSource*> FDataSources;

  TDataSetField* FDataSetField = nullptr;
  std::vector<TDataSet*> FDetails;

  mutable const std::byte* FReadRecord = nullptr;  // set by a TRecordReader
  mutable std::vector<std::weak_ptr<TBookmarkData>> FBookmarks;
  bool FInsertHere = false;
  Integer FPendingRow = -1;
  TViewChange FViewChange;
};

}  // namespace zar
