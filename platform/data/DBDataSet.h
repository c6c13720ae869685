#pragma once
// The dataset: fields over an in-memory record store, states, navigation,
// editing, ordering by index fields, key ranges, filters, nested detail
// datasets and notifications to data sources. Where the records come from
// (a file, a data packet, a master record) is the client dataset's part.
//
// Errors are EDatabaseError, their messages starting with the dataset's name
// and ": " when it has one. Every routine that needs an open dataset (moving,
// editing, ranges, Locate, Refresh, MergeChangeLog) raises "Cannot perform
// this operation on a closed dataset" on a closed one. Those that move or
// reorder first leave edit or insert mode as CheckBrowseMode does (posting a
// modified record, which may raise and then leaves it being edited).

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
  // Name prefixes the dataset's error messages.
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
  // Raises EDatabaseError while open or when the name is taken (in any case).
  template <class T>
  T& AddField(std::string FieldName, Integer Size = 0) {
    auto field = std::make_unique<T>();
    field->SetFieldName(std::move(FieldName));
    if (Size != 0) field->SetSize(Size);
    return static_cast<T&>(AdoptField(std::move(field)));
  }
  // The fields in order; while closed only the persistent ones.
  std::size_t FieldCount() const noexcept { return FFields.size(); }
  // Index 0..FieldCount-1; std::out_of_range beyond.
  TField& Fields(std::size_t Index) const { return *FFields.at(Index); }
  // The field of that name (letter case ignored), or nullptr.
  TField* FindField(std::string_view FieldName) const noexcept;
  // The same; raises EDatabaseError "Field 'Name' not found" when missing.
  TField& FieldByName(std::string_view FieldName) const;

  // ---- State and navigation --------------------------------------------------
  TDataSetState State() const noexcept { return FState; }
  bool Active() const noexcept { return FState != TDataSetState::Inactive; }
  void SetActive(bool Value);  // Open or Close
  // Opens on the first visible record; nothing when already open. Raises
  // EDatabaseError, and stays closed, when the records cannot be had (the
  // client dataset's file, a closed master), a persistent field has no column
  // of its name and type, an index field name is unknown, or the filter (when
  // Filtered) is bad.
  void Open();
  // Closes; nothing when already closed. An edit in progress is cancelled, not
  // posted; open nested datasets close too. A root dataset first writes its
  // data (the client dataset's file); when that raises it stays open.
  void Close();
  // Move to the first, last, next or prior visible record. Next on the last
  // record and Prior on the first stay and set Eof or Bof; First sets Bof and
  // Last sets Eof.
  void First();
  void Last();
  void Next();
  void Prior();
  // Eof is set by Next on the last record and by Last, Bof by Prior on the first
  // and by First; both are true for an empty or closed dataset, and moving to
  // another record clears them.
  bool Eof() const noexcept { return FEof; }
  bool Bof() const noexcept { return FBof; }
  bool IsEmpty() const noexcept { return FView.empty(); }
  // Records visible through the filter and the range.
  Integer RecordCount() const noexcept { return static_cast<Integer>(FView.size()); }
  // 1-based position of the current record among the visible ones; 0 when none.
  Integer RecNo() const noexcept { return static_cast<Integer>(FCursor + 1); }
  // Moves to the first visible record whose field equals Value (converted
  // to the field's type; null finds a null); false, and no move, when there is
  // none. Raises EDatabaseError for an unknown field or a value that does not
  // convert (EConvertError for a date or time text).
  bool Locate(std::string_view FieldName, const TVariant& Value);
  // Makes the Value-th visible record current (1-based), posting or
  // cancelling an edit first; values outside 1..RecordCount go to the
  // nearest end. Nothing happens on an empty dataset.
  void SetRecNo(Integer Value);
  // Rebuilds the visible records from the stored ones (order, range,
  // filter), keeping the current record when it stays visible.
  // Both raise EDatabaseError on a closed dataset.
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
  // Starts a new blank record (state TDataSetState::Insert), shown last. Raises EDatabaseError
  // for a nested dataset whose master has no current record.
  void Append();
  // A new record shown before the current one while it is edited (Append
  // shows it last); once posted it takes its place in the order, as an
  // appended one does.
  void Insert();
  void Edit();  // on an empty dataset, appends; nothing while already editing
  // Stores the edited or new record and returns to browsing; in set-key state
  // only returns to browsing. Raises EDatabaseError "Dataset not in edit or insert
  // mode" while browsing, and, keeping the record in edit, for a required field
  // without a value, a key violation of a primary or unique index, or an
  // auto-increment field with no number left.
  void Post();
  // Gives up the edit or the new record (or the range key); nothing while browsing.
  void Cancel();
  // Deletes the current record (an edit of it is dropped); cancels a new record or
  // a range key instead. Raises EDatabaseError on an empty dataset.
  void Delete();
  // Whether a field was written since the edit began.
  bool Modified() const noexcept { return FModified; }
  bool CanModify() const noexcept { return Active(); }
  // Stores the pending values of bound controls into the record; raises
  // EDatabaseError unless editing, inserting or setting a range key.
  void UpdateRecord();
  // Leaves edit or insert mode: posts a modified record, cancels the rest;
  // leaves set-key state keeping the key. Nested datasets leave it first.
  void CheckBrowseMode();
  // Called after every successful Post.
  std::function<void(TDataSet& DataSet)> AfterPost;

  // With the change log on, posted rows keep whether they were inserted or
  // modified since the last merge, and data packets record it. Nested
  // datasets follow their master's setting.
  bool LogChanges() const noexcept { return FLogChanges; }
  void SetLogChanges(bool Value) noexcept { FLogChanges = Value; }
  // Marks every row, nested rows included, as unchanged.
  void MergeChangeLog();

  // ---- Filter ---------------------------------------------------------------------
  // A bad filter raises EDatabaseError when it is applied (setting Filter
  // while Filtered, setting Filtered, or opening), and the dataset keeps
  // the filtering it had. The grammar is described in DBFilter.h; a blank
  // filter shows every record. Applying one moves to the first visible record.
  const std::string& Filter() const noexcept { return FFilterText; }
  void SetFilter(std::string Value);
  bool Filtered() const noexcept { return FFiltered; }
  void SetFiltered(bool Value);

  // ---- Order and ranges ---------------------------------------------------------------
  std::vector<TIndexDef>& IndexDefs() noexcept { return FIndexDefs; }
  const std::vector<TIndexDef>& IndexDefs() const noexcept { return FIndexDefs; }
  // Fields separated by ';' that order the records; empty for file order.
  // Records with equal keys keep file order; null sorts first. On an open
  // dataset an unknown name raises EDatabaseError (nothing changes), and a
  // new order cancels the range; a closed one checks the names when it opens.
  const std::string& IndexFieldNames() const noexcept { return FIndexFieldNames; }
  void SetIndexFieldNames(std::string Value);
  // Range keys: the index fields are then assigned through the fields (state
  // TDataSetState::SetKey, a blank key); fields left null do not bound the range, nor do
  // the fields after them. SetRangeStart, SetRangeEnd and ApplyRange raise
  // EDatabaseError "A range needs index field names" without IndexFieldNames.
  // ApplyRange shows the records from the start key to the end key, both
  // included, and moves to the first of them; CancelRange shows every record.
  void SetRangeStart();
  void SetRangeEnd();
  void ApplyRange();
  void CancelRange();
  // The same in one call, values given in index field order (fewer values bound
  // fewer fields). Raises EDatabaseError for more values than index fields or a
  // value that does not convert (EConvertError for a date or time text).
  void SetRange(const std::vector<TVariant>& StartValues, const std::vector<TVariant>& EndValues);

  // ---- Bound controls ------------------------------------------------------------------
  // While disabled, data sources hear nothing; enabling again tells them once
  // that everything may have changed.
  void DisableControls() noexcept { ++FDisableCount; }
  void EnableControls();  // a call without a matching DisableControls does nothing
  bool ControlsDisabled() const noexcept { return FDisableCount > 0; }

  // ---- Nested datasets -------------------------------------------------------------------
  // Makes this dataset show the rows of the master's nested field of the
  // master's current record; nullptr unbinds it. Only while closed; raises
  // EDatabaseError when open, for a field without a dataset, or for a field that
  // already has a nested dataset. The master must be open when this one opens.
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
