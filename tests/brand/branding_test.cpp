#include <gtest/gtest.h>

#include "brand/branding.h"
#include "brand/manifest.h"
#include "test_image.h"

namespace {

Bytes Group(std::initializer_list<std::uint16_t> images) {
  Bytes group;
  AppendU16(group, 0);
  AppendU16(group, 1);
  AppendU16(group, static_cast<std::uint16_t>(images.size()));
  for (std::uint16_t number : images) {
    group.insert(group.end(), {16, 16, 0, 0, 1, 0, 32, 0, 4, 0, 0, 0});
    AppendU16(group, number);
  }
  return group;
}

IconFile ThreeImages() {
  IconFile icon;
  for (std::uint8_t width : {0, 32, 16}) icon.images.push_back({{width, width, 0, 0, 1, 32}, Bytes(width + 5, width)});
  return icon;
}

Result<ResourceTree> Branded(const ResourceTree& tree, const BrandingChanges& changes) {
  Result<PeImage> branded = Brand(PeImage::Read(TestImage(ImageKind::kPe32Plus, tree)).value(), changes);
  if (!branded.ok()) return branded.failure();
  return ReadResourceTree(branded.value().resourceSection(), kTestResourceAddress);
}

ResourceTree LauncherTree() {
  ResourceTree tree;
  SetResource(tree, kStringTableType, 14u, Bytes(962, 's'));
  SetResource(tree, kDialogType, 201u, Bytes(746, 'd'));
  SetResource(tree, kManifestType, 1u, Bytes{'<', '/', 'a', 's', 's', 'e', 'm', 'b', 'l', 'y', '>'});
  return tree;
}

TEST(Branding, IconReplacesTheFirstGroupAndTheImagesOnlyItListed) {
  ResourceTree tree = LauncherTree();
  SetResource(tree, kIconGroupType, 5u, Group({1, 2}));
  SetResource(tree, kIconGroupType, 9u, Group({2, 3}));
  for (std::uint32_t number : {1u, 2u, 3u, 4u}) SetResource(tree, kIconImageType, number, Bytes(4, 'o'));
  BrandingChanges changes;
  changes.icon = ThreeImages();
  const ResourceTree branded = Branded(tree, changes).value();

  // Image 1 was group 5's alone; 2 and 3 are group 9's, 4 nobody's.
  ResourceTree expected = tree;
  Bytes group;
  AppendU16(group, 0);
  AppendU16(group, 1);
  AppendU16(group, 3);
  const std::uint16_t numbers[] = {1, 5, 6};
  for (std::size_t k = 0; k < 3; ++k) {
    const IconImage& image = changes.icon->images[k];
    group.insert(group.end(), {image.header.width, image.header.width, 0, 0, 1, 0, 32, 0});
    AppendU32(group, static_cast<std::uint32_t>(image.data.size()));
    AppendU16(group, numbers[k]);
    SetResource(expected, kIconImageType, std::uint32_t{numbers[k]}, image.data);
  }
  SetResource(expected, kIconGroupType, 5u, group);
  EXPECT_EQ(branded, expected);
}

TEST(Branding, IconIsGroupOneWithoutGroupsAndKeepsTheNameOfANamedFirstGroup) {
  BrandingChanges changes;
  changes.icon = ThreeImages();
  const ResourceTree plain = Branded(LauncherTree(), changes).value();
  EXPECT_EQ(plain.at(kIconGroupType).size(), 1u);
  EXPECT_EQ(plain.at(kIconGroupType).count(1u), 1u);
  EXPECT_EQ(plain.at(kIconImageType).size(), 3u);

  ResourceTree named = LauncherTree();
  SetResource(named, kIconGroupType, u"APP", Group({1}));
  SetResource(named, kIconGroupType, 1u, Group({1}));
  SetResource(named, kIconImageType, 1u, Bytes(4, 'o'));
  const ResourceTree branded = Branded(named, changes).value();
  EXPECT_EQ(ReadU16(branded.at(kIconGroupType).at(u"APP").at(0x409u).bytes, 4), 3);
  EXPECT_EQ(branded.at(kIconGroupType).at(1u), named.at(kIconGroupType).at(1u));
  EXPECT_EQ(branded.at(kIconImageType).at(1u), named.at(kIconImageType).at(1u));
}

TEST(Branding, VersionReplacesEveryVersionResourceOfAnyLanguage) {
  ResourceTree tree = LauncherTree();
  tree[kVersionType][1u][0x407u] = {Bytes(8, 'g'), 0};
  tree[kVersionType][1u][0x409u] = {Bytes(8, 'e'), 0};
  tree[kVersionType][u"OTHER"][0u] = {Bytes(8, 'n'), 0};
  BrandingChanges changes;
  changes.version = VersionInfo{{1, 2, 3, 4}, {5, 6, 7, 8}, {{"CompanyName", "Acme"}}};
  ResourceTree expected = LauncherTree();
  SetResource(expected, kVersionType, 1u, VersionResource(*changes.version).value());
  EXPECT_EQ(Branded(tree, changes).value(), expected);
}

TEST(Branding, DpiAwarenessChangesTheProcessManifestOrAddsOne) {
  ResourceTree tree = LauncherTree();
  SetResource(tree, kManifestType, 2u, Bytes{'<', '/', 'a', 's', 's', 'e', 'm', 'b', 'l', 'y', '>'});
  BrandingChanges changes;
  changes.dpiAware = true;
  const ResourceTree branded = Branded(tree, changes).value();
  const std::string manifest(branded.at(kManifestType).at(1u).at(0x409u).bytes.begin(),
                             branded.at(kManifestType).at(1u).at(0x409u).bytes.end());
  EXPECT_EQ(manifest, DeclareDpiAwareness("</assembly>").value());
  EXPECT_EQ(branded.at(kManifestType).at(2u), tree.at(kManifestType).at(2u));
  EXPECT_EQ(branded.at(kStringTableType), tree.at(kStringTableType));

  ResourceTree withoutManifest = LauncherTree();
  withoutManifest.erase(kManifestType);
  const LanguageTable added = Branded(withoutManifest, changes).value().at(kManifestType).at(1u);
  EXPECT_EQ(std::string(added.at(0x409u).bytes.begin(), added.at(0x409u).bytes.end()),
            DeclareDpiAwareness(EmptyManifest()).value());
}

TEST(Branding, WithoutChangesTheResourcesStayAndBrandingTwiceChangesNothing) {
  const ResourceTree tree = LauncherTree();
  EXPECT_EQ(Branded(tree, {}).value(), tree);
  BrandingChanges changes{ThreeImages(), VersionInfo{{1, 2, 3, 4}, {}, {}}, true};
  const PeImage once = Brand(PeImage::Read(TestImage(ImageKind::kPe32, tree)).value(), changes).value();
  EXPECT_EQ(Brand(once, changes).value().bytes(), once.bytes());
}

TEST(Branding, RefusesASignedImage) {
  Bytes image = TestImage(ImageKind::kPe32Plus, LauncherTree());
  WriteU32(image, DataDirectory(image, 4), static_cast<std::uint32_t>(image.size()));
  WriteU32(image, DataDirectory(image, 4) + 4, 16);
  image.resize(image.size() + 16);
  Result<PeImage> branded = Brand(PeImage::Read(image).value(), {});
  ASSERT_FALSE(branded.ok());
  EXPECT_EQ(branded.error(),
            "the executable is signed, and branding would break its signature: brand it first, then sign it");
}

}  // namespace
