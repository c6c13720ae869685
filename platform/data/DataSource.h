#pragma once
// Data sources and data links: how bound controls follow a dataset. A
// dataset tells its data sources every data event; each source tells its
// links, and a field data link turns them into four notifications for one
// control and one field.

#include <functional>
#include <string>
#include <vector>

#include "DBTypes.h"

namespace zar {

class TDataSet;
class TDataLink;
class TField;

class TDataSource {
 public:
  TDataSource() = default;
  TDataSource(const TDataSource&) = delete;
  TDataSource& operator=(const TDataSource&) = delete;
  ~TDataSource();

  TDataSet* DataSet() const noexcept { return FDataSet; }
  void SetDataSet(TDataSet* Value);
  // A disabled source tells its links that the dataset is inactive.
  bool Enabled() const noexcept { return FEnabled; }
  void SetEnabled(bool Value);
  // Whether a link's Edit may put a browsing dataset into edit mode.
  bool AutoEdit() const noexcept { return FAutoEdit; }
  void SetAutoEdit(bool Value) noexcept { FAutoEdit = Value; }
  TDataSetState State() const noexcept { return FState; }
  void Edit();

  std::function<void(TDataSource& Sender, TField* Field)> OnDataChange;
  std::function<void(TDataSource& Sender)> OnStateChange;

 private:
  friend class TDataSet;
  friend class TDataLink;
  void DataEvent(TDataEvent Event, TField* Field);
  void NotifyLinks(TDataEvent Event, TField* Field);
  void UpdateState();
  void DataSetDestroyed() noexcept;

  TDataSet* FDataSet = nullptr;
  bool FEnabled = true;
  bool FAutoEdit = true;
  TDataSetState FState = TDataSetState::Inactive;
  std::vector<TDataLink*> FLinks;
};

// Something a control can be asked to do, such as a navigator button's
// dataset operation; the action decides whether it applies to a source.
class TBasicAction {
 public:
  virtual ~TBasicAction() = default;
  virtual bool HandlesTarget(TDataSource* Target) = 0;
  virtual void ExecuteTarget(TDataSource* Target) = 0;
  virtual void UpdateTarget(TDataSource* Target) = 0;
};

class TDataLink {
 public:
  TDataLink() = default;
  TDataLink(const TDataLink&) = delete;
  TDataLink& operator=(const TDataLink&) = delete;
  virtual ~TDataLink();

  TDataSource* DataSource() const noexcept { return FDataSource; }
  void SetDataSource(TDataSource* Value);
  TDataSet* DataSet() const noexcept;
  bool Active() const noexcept { return FActive; }
  virtual bool Editing() const noexcept { return FEditing; }
  bool ReadOnly() const noexcept { return FReadOnly; }
  void SetReadOnly(bool Value);
  // Asks the data source to start editing; the result is Editing.
  virtual bool Edit();
  // Has the control store its pending value (UpdateData).
  void UpdateRecord();
  bool ExecuteAction(TBasicAction& Action);
  bool UpdateAction(TBasicAction& Action);

 protected:
  virtual void ActiveChanged() {}
  virtual void CheckBrowseMode() {}
  virtual void DataSetChanged() { RecordChanged(nullptr); }
  virtual void DataSetScrolled() { DataSetChanged(); }
  virtual void EditingChanged() {}
  virtual void LayoutChanged() { DataSetChanged(); }
  virtual void RecordChanged(TField*) {}
  virtual void UpdateData() {}

 private:
  friend class TDataSource;
  void DataEvent(TDataEvent Event, TField* Field);
  void UpdateState();
  void SourceDestroyed() noexcept;

  TDataSource* FDataSource = nullptr;
  bool FActive = false;
  bool FEditing = false;
  bool FReadOnly = false;
  bool FUpdating = false;
};

// Binds one control to one field of the source's dataset.
class TFieldDataLink : public TDataLink {
 public:
  const std::string& FieldName() const noexcept { return FFieldName; }
  // Looks the field up at once when the dataset is open.
  void SetFieldName(std::string Value);
  TField* Field() const noexcept { return FField; }
  // The bound control, for the control's own use (focus, identity).
  void* Control() const noexcept { return FControl; }
  void SetControl(void* Value) noexcept { FControl = Value; }
  // True while the dataset is editing and the field can be modified.
  bool Editing() const noexcept override { return FFieldEditing; }
  bool CanModify() const noexcept;
  bool Edit() override;
  // The control changed the value; it is stored by UpdateData on post.
  void Modified() noexcept { FModified = true; }
  // Gives up the control's pending value: the field's value is shown again.
  void Reset();
  TDataSetState DataSetState() const noexcept;

  std::function<void()> OnDataChange;     // the field's value or the record changed
  std::function<void()> OnEditingChange;  // Editing changed
  std::function<void()> OnUpdateData;     // store the control's value into the field
  std::function<void()> OnActiveChange;   // the dataset was opened or closed

 protected:
  void ActiveChanged() override;
  void EditingChanged() override;
  void LayoutChanged() override;
  void RecordChanged(TField* ChangedField) override;
  void UpdateData() override;

 private:
  void UpdateField();
  void SetField(TField* Value);
  void SetFieldEditing(bool Value);

  std::string FFieldName;
  TField* FField = nullptr;
  void* FControl = nullptr;
  bool FFieldEditing = false;
  bool FModified = false;
};

}  // namespace zar
