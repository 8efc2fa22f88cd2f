#pragma once
// TDocument: the key field, the card reader and the track mask of one layout.

#include <cstdint>
#include <memory>

#include "core/document/DocumentObserver.h"
#include "core/document/FieldMatrix.h"
#include "core/document/MacroButton.h"
#include "core/document/RecordOps.h"

namespace vl {

class TDocument {
 public:
  TDocument() = default;
  virtual ~TDocument() = default;
  TDocument(const TDocument&) = delete;
  TDocument& operator=(const TDocument&) = delete;

  // The record at (column, row) or nullptr; nullptr also outside the field.
  TMacroButton* GetKey(int column, int row) const;
  // Takes ownership; does not touch Modified (readers fill documents this way).
  void SetKey(int column, int row, std::unique_ptr<TMacroButton> record);

  // Copies the record in and sets Modified when it differs from the current one.
  void SetCardReader(const TMacroButton& record);
  // Stores the mask and sets Modified when it differs.
  void SetTrackMask(uint8_t mask);

  // No notifications are sent while there is no owner.
  void SetOwner(IDocumentObserver* owner) { owner_ = owner; }
  void Notify(DocumentNotification kind, int param1 = 0, int param2 = 0) const;

  uint8_t TrackMask = 0;                 // bit t: track t+1 is read
  FieldMatrix<KeyRef> Keys;              // owned key records; empty = no record
  TMacroButton CardReader;               // Func always 11; block t = track t+1
  bool Modified = false;
  // Content read from the device replaced some of this layout since it was last
  // saved: the file may hold what the device does not (notes), so only a save
  // the user asks for writes it without a question.
  bool ReadFromDevice = false;

 private:
  IDocumentObserver* owner_ = nullptr;
};

}  // namespace vl
