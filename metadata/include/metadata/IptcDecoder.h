#pragma once
// TIPTCdata: the IPTC decoder over the Photoshop (APP13) segment. It walks the
// IPTC datasets of the segment into a list of tag entries and offers editing
// operations by name on that list; nothing is ever written back to a file.

#include <cstdint>
#include <string>

#include "metadata/TagEntry.h"

namespace pixolyn {

class TImgData;

class TIPTCdata {
 public:
  explicit TIPTCdata(TImgData* owner) : Owner(owner) {}
  virtual ~TIPTCdata() = default;

  int Capacity = 0;           // slots in Entries
  TImgData* Owner = nullptr;  // not owned
  int Count = 0;              // valid entries; the slots past it are empty
  TTagDefArray Entries;

  // Index of the first of the Count entries named name (ASCII case ignored); -1 if none.
  virtual int FindEntry(const std::string& name) const;
  // Removes the entry named name, moving the later ones down.
  virtual void RemoveEntry(const std::string& name);
  // Sets the value of the entry named name, adding it from the dictionary if
  // missing; an empty value leaves an existing entry alone. -1 for a name the
  // dictionary lacks.
  virtual int SetEntry(const std::string& name, const std::string& value);
  // Adds value behind the existing value with ",", or sets it when missing.
  virtual int AppendEntry(const std::string& name, const std::string& value);
  // Sets a repeatable dataset, appends to any other.
  virtual int WriteEntry(const std::string& name, const std::string& value);
  virtual std::string GetValue(const std::string& name, const std::string& defaultValue) const;
  // Decodes the IPTC record of another file into this list; true when it holds entries.
  virtual bool ReadFile(const std::string& fileName);

  // Copy of slot index; an empty entry outside the storage.
  TTagEntry GetEntry(int index) const;
  // Row of the dictionary named name (ASCII case ignored); -1 if none.
  static int FindIptcTagByName(const std::string& name);
  // Stores a copy behind the last entry unless its Tag is 0; returns Count - 1.
  int AddEntry(const TTagEntry& entry);

  // Decodes the owner's Photoshop segment afresh.
  void DecodeSegment();
  // Decodes segment bytes (starting with the two length bytes) into the list.
  void DecodeText(std::string data);
  // Empties every slot; the capacity stays.
  void Reset();
  bool HasData() const { return Count > 0; }
  // Whether the last decoded record declared UTF-8 (dataset 1:90): its texts
  // are then UTF-8, each character kept, instead of Windows-1252.
  bool TextsAreUtf8() const { return utf8Texts_; }

  // Reads the dataset whose record-number byte lies at offset in the bytes of
  // the last decode, and moves offset past its data and the marker byte after it.
  void ReadDataset(int64_t& offset, TTagEntry& entry) const;

 private:
  // The IPTC record of the last decode (the segment where its resource
  // could not be told apart), kept until the next one.
  std::string IptcBuffer;
  // Dataset 1:90 of that record declared UTF-8: texts stay UTF-8.
  bool utf8Texts_ = false;
};

}  // namespace pixolyn
