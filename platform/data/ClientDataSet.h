#pragma once
// The client dataset: a dataset whose records live in memory as a data
// packet, read from its file when it opens and written back when it closes.

#include <memory>
#include <string>

#include "DBDataSet.h"
#include "DataPacket.h"

namespace zar {

class TClientDataSet : public TDataSet {
 public:
  explicit TClientDataSet(std::string Name = {});
  // Closes, writing the file as Close does; a write error is discarded.
  ~TClientDataSet() override;

  const std::string& FileName() const noexcept { return FFileName; }
  // The data file; empty for none. A new name forgets what the previous file
  // was. Taken when the dataset next opens or closes.
  void SetFileName(std::string Value);

  // Open reads FileName when the file exists. Without one, the dataset opens
  // empty, created from its field definitions (or persistent fields).
  // Close writes FileName when the data changed since it was read or
  // created, or when the file does not exist yet; if the write fails, the
  // dataset stays open and nothing is lost. A file that another program
  // changed (or created) since this dataset read it (or found it missing) is
  // not overwritten: Close raises instead. Only regular files are read and
  // written; a symbolic link is followed and stays a link. Both raise
  // EDatabaseError "Cannot read data packet from '<file>': ..." or "Cannot write
  // data file '<file>': ..."; opening without a file and without definitions
  // raises "Missing data provider or data packet".
  // Creates an empty dataset from the definitions and opens it, ignoring the
  // file until it closes. Raises EDatabaseError when open, nested, without
  // definitions or with definitions CheckFieldDefs refuses.
  void CreateDataSet();
  // A full copy of the open dataset (pending edits are posted first). Raises
  // EDatabaseError when closed or nested.
  TDataPacket Data();
  // Closes, then reopens on a copy of Value, which counts as changed data (Close
  // writes it). Raises EDatabaseError for a nested dataset, or as Close and Open do.
  void SetData(const TDataPacket& Value);

 protected:
  TRecordStore& OpenRootStore() override;
  void CloseRootStore() noexcept override;
  void BeforeClose() override;

 private:
  void UpdateParams();

  std::string FFileName;
  TFileIdentity FFileIdentity;                  // what FileName was when last read or written
  std::unique_ptr<TDataPacket> FPacket;         // the open data
  std::unique_ptr<TDataPacket> FPendingPacket;  // taken by the next open
  bool FPendingChanged = false;
};

}  // namespace zar
