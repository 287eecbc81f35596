#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QPageLayout>
#include <optional>

// The page setup as bytes for the preferences file. Qt has no text form of a page setup, so the
// fields are written as short ASCII lines:
//
//   Morvane page layout 1
//   size 7                   QPageSize::PageSizeId (7 is A4)
//   definition 210 297 0     the size in its defining unit (QPageSize::Unit)
//   orientation 0            QPageLayout::Orientation
//   units 0                  QPageLayout::Unit of the margins
//   margins 10 10 10 10      left, top, right, bottom
//
// Numbers use the full precision of a double and a decimal point. A restored layout is
// equivalent (QPageLayout::isEquivalentTo) to the one written.
namespace morvane::PageLayoutText {

QByteArray serialise(const QPageLayout& layout);
// None for anything that is not such a text with sensible values.
std::optional<QPageLayout> parse(QByteArrayView bytes);

} // namespace morvane::PageLayoutText
