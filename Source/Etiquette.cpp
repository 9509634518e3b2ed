// Etiquette.cpp — a row's label through the text engine.
#include "Etiquette.h"

#include "Graphique.h"
#include "IText.h"
#include "Reglages.h"
#include "SuiteGlobals.h"

ASErr AffichageTexteCase(AIArtHandle *texte) {
    ATE::IParaFeatures paragraphe;
    ATE::ICharFeatures caracteres;
    if (!sAIArt->ValidArt(*texte, true)) return kNoErr;

    ATE::TextRangeRef plageBrute = nullptr;
    if (ASErr resultat = sAITextFrame->GetATETextRange(*texte, &plageBrute)) return resultat;
    ATE::ITextRange plage(plageBrute);
    plage.Remove();

    paragraphe.SetLeadingType(ATE::kRomanLeadingType);
    paragraphe.SetStartIndent(0.0f);
    paragraphe.SetFirstLineIndent(0.0f);
    caracteres.SetTracking(0);
    {
        ATE::ApplicationPaintRef peintureBrute = nullptr;
        sATEPaint->CreateATEApplicationPaint(&CouleurTexte, &peintureBrute);
        const ATE::IApplicationPaint peinture(peintureBrute);
        caracteres.SetFillColor(peinture);
    }
    paragraphe.SetJustification(ATE::kLeftJustify);
    caracteres.SetFontSize(static_cast<ASReal>(CorpsTexteCase));
    caracteres.SetBaselineShift(static_cast<ASReal>(CorpsTexteCase / -3.0));

    AIFontKey cle = nullptr;
    sAIFont->IndexFontList(NumeroPolice, &cle);
    ATE::FontRef policeBrute = nullptr;
    const ASErr resultat = sAIFont->ATEFontFromFontKey(cle, &policeBrute);
    const ATE::IFont police(policeBrute);
    caracteres.SetFont(police);

    plage.InsertAfter(TexteCase, ATE::kATEUpToNul, ATE::IFont());
    plage.SetLocalCharFeatures(caracteres);
    plage.SetLocalParaFeatures(paragraphe);
    return resultat;
}
