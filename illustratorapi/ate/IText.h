// IText.h — value holders for the text-engine objects the plug-in uses:
// fonts, character and paragraph feature sets, text ranges and paints.
//
// Each holder owns one reference of its object and gives it back to the
// engine when destroyed; constructing a holder from a raw reference adopts
// that reference without taking a count. Only IFont can be copied (the copy
// takes a count of its own). A failing engine call throws ATE::Exception with
// the engine's code; the setters otherwise return 0.
#pragma once

#include "ATESuites.h"
#include "IThrowException.h"

namespace ATE {

class IApplicationPaint {
  public:
    explicit IApplicationPaint(ApplicationPaintRef paint) noexcept : fPaint(paint) {}
    // The engine offers no extra count of a paint, so a paint is never
    // copied: the calls that take one borrow it by reference.
    IApplicationPaint(const IApplicationPaint &) = delete;
    IApplicationPaint &operator=(const IApplicationPaint &) = delete;
    virtual ~IApplicationPaint();

    ApplicationPaintRef GetRef() const noexcept { return fPaint; }

  private:
    ApplicationPaintRef fPaint;
};

class IFont {
  public:
    // The null font: "no font of its own" where the engine accepts one.
    IFont() noexcept : fFont(nullptr) {}
    explicit IFont(FontRef font) noexcept : fFont(font) {}
    // Shares the font, taking one more count of it.
    IFont(const IFont &other);
    IFont &operator=(const IFont &) = delete;
    // Gives back the count, even for the null font (the engine ignores it).
    virtual ~IFont();

    FontRef GetRef() const noexcept { return fFont; }

  private:
    FontRef fFont;
};

class ICharFeatures {
  public:
    // A new, empty set: every feature unassigned.
    ICharFeatures();
    ICharFeatures(const ICharFeatures &) = delete;
    ICharFeatures &operator=(const ICharFeatures &) = delete;
    virtual ~ICharFeatures();

    ATEErr SetFont(IFont font);
    ATEErr SetFontSize(float size);
    ATEErr SetTracking(long tracking);
    ATEErr SetBaselineShift(float shift);
    // Lends the paint for the call: `paint` keeps its reference and gives it
    // back when it is destroyed.
    ATEErr SetFillColor(const IApplicationPaint &paint);

    CharFeaturesRef GetRef() const noexcept { return fFeatures; }

  private:
    CharFeaturesRef fFeatures;
};

class IParaFeatures {
  public:
    // A new, empty set: every feature unassigned.
    IParaFeatures();
    IParaFeatures(const IParaFeatures &) = delete;
    IParaFeatures &operator=(const IParaFeatures &) = delete;
    virtual ~IParaFeatures();

    ATEErr SetJustification(ParagraphJustification justification);
    ATEErr SetFirstLineIndent(float indent);
    ATEErr SetStartIndent(float indent);
    ATEErr SetLeadingType(LeadingType type);

    ParaFeaturesRef GetRef() const noexcept { return fFeatures; }

  private:
    ParaFeaturesRef fFeatures;
};

class ITextRange {
  public:
    explicit ITextRange(TextRangeRef range) noexcept : fRange(range) {}
    ITextRange(const ITextRange &) = delete;
    ITextRange &operator=(const ITextRange &) = delete;
    virtual ~ITextRange();

    ATEErr SetLocalCharFeatures(const ICharFeatures &features);
    ATEErr SetLocalParaFeatures(const IParaFeatures &features);
    // Inserts `length` bytes of platform-encoded `text` at the end of the
    // range (kATEUpToNul, -1: up to the NUL) in `font`; the null font keeps
    // the font of the range's last character. A length the engine cannot
    // take (below -1, or beyond 32 bits) throws kBadParameterErr without a
    // call, rather than reaching the engine cut to another value.
    ATEErr InsertAfter(const char *text, long length, IFont font);
    // Deletes the range's text.
    ATEErr Remove();

    TextRangeRef GetRef() const noexcept { return fRange; }

  private:
    TextRangeRef fRange;
};

} // namespace ATE
