// IText.cpp — the text-engine holders, one engine call per operation.
#include "IText.h"

#include <limits>

extern ApplicationPaintSuite *sApplicationPaint;
extern CharFeaturesSuite *sCharFeatures;
extern FontSuite *sFont;
extern ParaFeaturesSuite *sParaFeatures;
extern TextRangeSuite *sTextRange;

namespace ATE {

namespace {

ATEErr Check(ATEErr error) {
    if (error != 0) Throw_ATE_Exception(error);
    return error;
}

} // namespace

// Destructors drop the release result: they must not throw. Without the
// suite (already released) there is nothing to call.

IApplicationPaint::~IApplicationPaint() {
    if (sApplicationPaint != nullptr) sApplicationPaint->Release(fPaint);
}

IFont::IFont(const IFont &other) : fFont(other.fFont) { Check(sFont->AddRef(fFont)); }

IFont::~IFont() {
    if (sFont != nullptr) sFont->Release(fFont);
}

ICharFeatures::ICharFeatures() : fFeatures(nullptr) { Check(sCharFeatures->Initialize(&fFeatures)); }

ICharFeatures::~ICharFeatures() {
    if (sCharFeatures != nullptr) sCharFeatures->Release(fFeatures);
}

ATEErr ICharFeatures::SetFont(IFont font) { return Check(sCharFeatures->SetFont(fFeatures, font.GetRef())); }

ATEErr ICharFeatures::SetFontSize(float size) { return Check(sCharFeatures->SetFontSize(fFeatures, size)); }

ATEErr ICharFeatures::SetTracking(long tracking) {
    return Check(sCharFeatures->SetTracking(fFeatures, static_cast<ASInt32>(tracking)));
}

ATEErr ICharFeatures::SetBaselineShift(float shift) {
    return Check(sCharFeatures->SetBaselineShift(fFeatures, shift));
}

ATEErr ICharFeatures::SetFillColor(const IApplicationPaint &paint) {
    return Check(sCharFeatures->SetFillColor(fFeatures, paint.GetRef()));
}

IParaFeatures::IParaFeatures() : fFeatures(nullptr) { Check(sParaFeatures->Initialize(&fFeatures)); }

IParaFeatures::~IParaFeatures() {
    if (sParaFeatures != nullptr) sParaFeatures->Release(fFeatures);
}

ATEErr IParaFeatures::SetJustification(ParagraphJustification justification) {
    return Check(sParaFeatures->SetJustification(fFeatures, justification));
}

ATEErr IParaFeatures::SetFirstLineIndent(float indent) {
    return Check(sParaFeatures->SetFirstLineIndent(fFeatures, indent));
}

ATEErr IParaFeatures::SetStartIndent(float indent) {
    return Check(sParaFeatures->SetStartIndent(fFeatures, indent));
}

ATEErr IParaFeatures::SetLeadingType(LeadingType type) {
    return Check(sParaFeatures->SetLeadingType(fFeatures, type));
}

ITextRange::~ITextRange() {
    if (sTextRange != nullptr) sTextRange->Release(fRange);
}

ATEErr ITextRange::SetLocalCharFeatures(const ICharFeatures &features) {
    return Check(sTextRange->SetLocalCharFeatures(fRange, features.GetRef()));
}

ATEErr ITextRange::SetLocalParaFeatures(const IParaFeatures &features) {
    return Check(sTextRange->SetLocalParaFeatures(fRange, features.GetRef()));
}

ATEErr ITextRange::InsertAfter(const char *text, long length, IFont font) {
    if (length < kATEUpToNul || length > std::numeric_limits<ASInt32>::max()) Check(kBadParameterErr);
    return Check(sTextRange->InsertAfter(fRange, text, static_cast<ASInt32>(length), font.GetRef()));
}

ATEErr ITextRange::Remove() { return Check(sTextRange->Remove(fRange)); }

} // namespace ATE
