/*
 * IllustratorAPI.h — the whole host programming interface in one include:
 * the plug-in layer, the drawing application's suites, the dialog manager,
 * the text engine, and the few calls a plug-in makes to its platform.
 *
 * Each header is self-contained; this one only gathers them.
 */
#ifndef VYN_ILLUSTRATORAPI_ILLUSTRATORAPI_H
#define VYN_ILLUSTRATORAPI_ILLUSTRATORAPI_H

#include "ASConfig.h"
#include "ASTypes.h"

/* plug-in layer */
#include "SPSuites.h"
#include "SPMessages.h"

/* drawing application */
#include "AINotifier.h"
#include "AIMenu.h"
#include "AIPreference.h"
#include "AIRealMath.h"
#include "AIArt.h"
#include "AIPath.h"
#include "AITransformArt.h"
#include "AIUnicodeString.h"
#include "AILayer.h"
#include "AIDocument.h"
#include "AIMdMemory.h"
#include "AIPathStyle.h"
#include "AITextFrame.h"
#include "AIATEPaint.h"
#include "AIFont.h"
#include "AITag.h"
#include "AIMatchingArt.h"
#include "AIArtboard.h"
#include "AICustomColor.h"
#include "AIPattern.h"
#include "AIGradient.h"

/* dialog manager */
#include "ADMBasic.h"
#include "ADMDialog.h"
#include "ADMItem.h"
#include "ADMList.h"
#include "ADMEntry.h"
#include "ADMNotifier.h"
#include "ADMIcon.h"
#include "ADMDrawer.h"
#include "ADMAcquired.h"

/* text engine */
#include "ATESuites.h"

/* suites acquired but never called */
#include "AcquiredSuites.h"

/* calls to the platform, outside every suite */
#include "Platform.h"

#endif /* VYN_ILLUSTRATORAPI_ILLUSTRATORAPI_H */
