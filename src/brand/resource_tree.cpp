#include "brand/resource_tree.h"

#include <set>

namespace {

constexpr std::uint32_t kHighBit = 0x80000000;  // a name (not a number), a directory (not data)
constexpr std::size_t kDirectoryHeaderSize = 16;
constexpr std::size_t kEntrySize = 8;
constexpr std::size_t kDataEntrySize = 16;
constexpr std::size_t kDataAlignment = 8;

std::size_t DirectorySize(std::size_t entries) { return kDirectoryHeaderSize + entries * kEntrySize; }

class TreeReader {
 public:
  TreeReader(const Bytes& section, std::uint32_t address) : section_(section), address_(address) {}

  template <typename Table>
  bool readDirectory(std::uint32_t offset, Table& table) {
    if (!visitedDirectories_.insert(offset).second) return refuse("a directory is reached twice");
    if (!Fits(section_.size(), offset, kDirectoryHeaderSize)) return refuse("a directory lies past its end");
    const std::size_t count = std::size_t{ReadU16(section_, offset + 12)} + ReadU16(section_, offset + 14);
    if (!Fits(section_.size(), offset + kDirectoryHeaderSize, count * kEntrySize))
      return refuse("a directory's entries lie past its end");
    for (std::size_t k = 0; k < count; ++k) {
      const std::size_t entry = offset + kDirectoryHeaderSize + k * kEntrySize;
      ResourceId id;
      if (!readId(ReadU32(section_, entry), id)) return false;
      if (table.count(id)) return refuse("a directory names an entry twice");
      if (!readChild(ReadU32(section_, entry + 4), table[id])) return false;
    }
    return true;
  }

  const std::string& problem() const { return problem_; }

 private:
  template <typename Table>
  bool readChild(std::uint32_t target, Table& table) {
    if (!(target & kHighBit)) return refuse("data stands where a directory belongs");
    return readDirectory(target & ~kHighBit, table);
  }

  bool readChild(std::uint32_t target, ResourceData& data) {
    if (target & kHighBit) return refuse("a directory stands where data belongs");
    if (!Fits(section_.size(), target, kDataEntrySize)) return refuse("a data entry lies past its end");
    const std::uint32_t address = ReadU32(section_, target), size = ReadU32(section_, target + 4);
    if (address < address_ || !Fits(section_.size(), address - address_, size))
      return refuse("resource data lies outside the resource section");
    // Data that does not overlap fits in the section, which bounds the copies.
    dataTotal_ += size;
    if (dataTotal_ > section_.size()) return refuse("the resource data add up to more than the section holds");
    const auto begin = section_.begin() + (address - address_);
    data.bytes.assign(begin, begin + size);
    data.codePage = ReadU32(section_, target + 8);
    return true;
  }

  bool readId(std::uint32_t field, ResourceId& id) {
    if (!(field & kHighBit)) {
      id = field;
      return true;
    }
    const std::uint32_t offset = field & ~kHighBit;
    if (!Fits(section_.size(), offset, 2) || !Fits(section_.size(), offset + 2, 2 * ReadU16(section_, offset)))
      return refuse("a resource name lies past its end");
    std::u16string name(ReadU16(section_, offset), u'\0');
    for (std::size_t k = 0; k < name.size(); ++k) name[k] = ReadU16(section_, offset + 2 + 2 * k);
    id = std::move(name);
    return true;
  }

  bool refuse(const char* problem) {
    problem_ = std::string("malformed resource section: ") + problem;
    return false;
  }

  const Bytes& section_;
  const std::uint32_t address_;
  std::set<std::uint32_t> visitedDirectories_;
  std::size_t dataTotal_ = 0;
  std::string problem_;
};

std::size_t NameSize(const ResourceId& id) {
  const auto* name = std::get_if<std::u16string>(&id);
  return name ? 2 + 2 * name->size() : 0;
}

// Where the next directory, data entry, name and data go.
struct Cursors {
  std::size_t directory = 0;
  std::size_t dataEntry = 0;
  std::size_t name = 0;
  std::size_t data = 0;
};

void CountSizes(const ResourceData& data, Cursors& sizes) {
  sizes.dataEntry += kDataEntrySize;
  sizes.data += AlignUp(data.bytes.size(), kDataAlignment);
}

template <typename Table>
void CountSizes(const Table& table, Cursors& sizes) {
  sizes.directory += DirectorySize(table.size());
  for (const auto& [id, child] : table) {
    sizes.name += NameSize(id);
    CountSizes(child, sizes);
  }
}

class TreeWriter {
 public:
  TreeWriter(Bytes& out, const Cursors& starts, std::uint32_t address) : out_(out), at_(starts), address_(address) {}

  template <typename Table>
  std::uint32_t writeChild(const Table& table) {
    const std::size_t offset = at_.directory;
    at_.directory += DirectorySize(table.size());
    std::size_t named = 0;
    for (const auto& entry : table) named += std::holds_alternative<std::u16string>(entry.first);
    WriteU16(out_, offset + 12, static_cast<std::uint16_t>(named));
    WriteU16(out_, offset + 14, static_cast<std::uint16_t>(table.size() - named));
    std::size_t entry = offset + kDirectoryHeaderSize;
    for (const auto& [id, child] : table) {
      WriteU32(out_, entry, idField(id));
      WriteU32(out_, entry + 4, writeChild(child));
      entry += kEntrySize;
    }
    return static_cast<std::uint32_t>(offset) | kHighBit;
  }

  std::uint32_t writeChild(const ResourceData& data) {
    const std::size_t offset = at_.dataEntry;
    at_.dataEntry += kDataEntrySize;
    WriteU32(out_, offset, static_cast<std::uint32_t>(address_ + at_.data));
    WriteU32(out_, offset + 4, static_cast<std::uint32_t>(data.bytes.size()));
    WriteU32(out_, offset + 8, data.codePage);
    std::copy(data.bytes.begin(), data.bytes.end(), out_.begin() + at_.data);
    at_.data += AlignUp(data.bytes.size(), kDataAlignment);
    return static_cast<std::uint32_t>(offset);
  }

 private:
  std::uint32_t idField(const ResourceId& id) {
    const auto* name = std::get_if<std::u16string>(&id);
    if (!name) return std::get<std::uint32_t>(id);
    const std::size_t offset = at_.name;
    WriteU16(out_, offset, static_cast<std::uint16_t>(name->size()));
    for (std::size_t k = 0; k < name->size(); ++k) WriteU16(out_, offset + 2 + 2 * k, (*name)[k]);
    at_.name += NameSize(id);
    return static_cast<std::uint32_t>(offset) | kHighBit;
  }

  Bytes& out_;
  Cursors at_;
  const std::uint32_t address_;
};

}  // namespace

void SetResource(ResourceTree& tree, std::uint32_t type, const ResourceId& name, Bytes data) {
  LanguageTable& languages = tree[type][name];
  languages.clear();
  languages[std::uint32_t{kUsEnglish}].bytes = std::move(data);
}

Result<ResourceTree> ReadResourceTree(const Bytes& section, std::uint32_t sectionAddress) {
  TreeReader reader(section, sectionAddress);
  ResourceTree tree;
  if (!reader.readDirectory(0, tree)) return Failure{reader.problem()};
  return tree;
}

Bytes WriteResourceTree(const ResourceTree& tree, std::uint32_t sectionAddress) {
  Cursors sizes;
  CountSizes(tree, sizes);
  Cursors starts;
  starts.dataEntry = sizes.directory;
  starts.name = starts.dataEntry + sizes.dataEntry;
  starts.data = AlignUp(starts.name + sizes.name, kDataAlignment);
  Bytes out(starts.data + sizes.data);
  TreeWriter(out, starts, sectionAddress).writeChild(tree);
  return out;
}
