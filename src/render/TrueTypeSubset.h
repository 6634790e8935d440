#pragma once
// A TrueType font file cut down to the glyphs a document uses, for embedding
// in a PDF: every glyph keeps its number, advance and character mapping, but
// only the chosen glyphs (and the parts composite glyphs are built from)
// keep their outlines. Tables that only text shaping reads (kerning, OpenType
// layout) are left out.
#include <QByteArray>
#include <vector>

namespace sumcraft {

// The subset of `font` keeping the outlines of the glyphs whose entries in
// `keep` are true (glyph 0, the missing-glyph box, always stays). Returns an
// empty array when `font` is not a TrueType font with outlines this code
// understands; the caller then embeds the whole file.
QByteArray SubsetTrueType(const QByteArray& font, const std::vector<bool>& keep);

}  // namespace sumcraft
