// The hyperlink label split: the parts and the tags between them give the
// label back, and the link never holds a closing tag.
#include "dialog/tagged_label.h"
#include "fuzz_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  FuzzedDataProvider data(bytes, size);
  const std::u16string label = ConsumeReadableText(data, 4096);
  const LabelParts parts = SplitTaggedLabel(label);

  std::u16string rebuilt = parts.before.value_or(u"");
  FUZZ_CHECK(!parts.before || !parts.before->empty());
  if (parts.link) {
    rebuilt += u"<A>" + *parts.link;
    const bool closed = label.size() > rebuilt.size() + parts.after.value_or(u"").size();
    if (closed)
      rebuilt += u"</A>" + parts.after.value_or(u"");
    else
      FUZZ_CHECK(!parts.after);
  } else {
    FUZZ_CHECK(!parts.after);
  }
  FUZZ_CHECK(EqualsIgnoringCase(rebuilt, label));
  return 0;
}
