// The host serves every suite that carries reals twice: with double precision under the Windows feature set's
// versions and with single precision under the macOS feature set's. These templates are the host's picture of
// those layouts; a check compiled in each precision compares them with the interface's own structs
// (tests/headers/real_layouts_check.cpp).
#ifndef HOST_REALLAYOUTS_H
#define HOST_REALLAYOUTS_H

#include <cstdint>

#include "pendrake/PDTypes.h"

namespace host {

template <typename Real>
struct UserSuiteLayout {
    ZBErr (*RealToString)(Real value, int16_t precision, PDUnicodeStringRef text);
    ZBErr (*ErrorAlert)(const char* text);
};

// Records.

template <typename Real>
struct RealPoint {
    Real h;
    Real v;
};

template <typename Real>
struct RealRect {
    Real left;
    Real top;
    Real right;
    Real bottom;
};

template <typename Real>
struct DocumentSetup {
    Real width;
    Real height;
    ZBBoolean showPlacedImages;
    int16_t pageTileMode;
};

template <typename Real>
struct PathSegment {
    RealPoint<Real> p;
    RealPoint<Real> in;
    RealPoint<Real> out;
    ZBBoolean corner;
};

template <typename Real>
struct FourColorStyle {
    Real cyan;
    Real magenta;
    Real yellow;
    Real black;
};

template <typename Real>
struct ThreeColorStyle {
    Real red;
    Real green;
    Real blue;
};

// Every member of the union is a run of reals from its start, so the host reads and writes it as one array.
template <typename Real>
struct PathColor {
    int16_t kind;
    union {
        Real gray;
        FourColorStyle<Real> f;
        ThreeColorStyle<Real> rgb;
    } c;
};

template <typename Real>
struct FillStyle {
    PathColor<Real> color;
    ZBBoolean overprint;
};

constexpr int16_t kMaxDashComponents = 6;

template <typename Real>
struct DashStyle {
    int16_t length;
    Real offset;
    Real array[kMaxDashComponents];
};

template <typename Real>
struct StrokeStyle {
    PathColor<Real> color;
    ZBBoolean overprint;
    Real width;
    DashStyle<Real> dash;
    int16_t cap;
    int16_t join;
    Real miterLimit;
};

template <typename Real>
struct PathStyle {
    ZBBoolean fillPaint;
    ZBBoolean strokePaint;
    FillStyle<Real> fill;
    StrokeStyle<Real> stroke;
    ZBBoolean clip;
    ZBBoolean lockClip;
    ZBBoolean evenodd;
    Real resolution;
};

// Suites.

template <typename Real>
struct DocumentSuiteLayout {
    ZBErr (*GetDocument)(PDDocumentHandle* document);
    ZBErr (*GetDocumentOrigin)(RealPoint<Real>* origin);
    ZBErr (*SetDocumentOrigin)(const RealPoint<Real>* origin);
    ZBErr (*GetDocumentSetup)(DocumentSetup<Real>* setup);
    ZBErr (*SetDocumentSetup)(const DocumentSetup<Real>* setup);
    ZBErr (*GetDocumentFileName)(PDUnicodeStringRef name);
};

template <typename Real>
struct ArtSuiteLayout {
    ZBErr (*NewArt)(int16_t type, int16_t paintOrder, PDArtHandle prep, PDArtHandle* art);
    ZBErr (*DisposeArt)(PDArtHandle art);
    ZBErr (*ReorderArt)(PDArtHandle art, int16_t paintOrder, PDArtHandle prep);
    ZBErr (*GetArtType)(PDArtHandle art, int16_t* type);
    ZBErr (*GetArtUserAttr)(PDArtHandle art, int32_t whichAttr, int32_t* attr);
    ZBErr (*SetArtUserAttr)(PDArtHandle art, int32_t whichAttr, int32_t attr);
    ZBErr (*GetArtParent)(PDArtHandle art, PDArtHandle* parent);
    ZBErr (*GetArtFirstChild)(PDArtHandle art, PDArtHandle* child);
    ZBErr (*GetArtSibling)(PDArtHandle art, PDArtHandle* sibling);
    ZBErr (*GetLayerOfArt)(PDArtHandle art, PDLayerHandle* layer);
    ZBErr (*GetArtBounds)(PDArtHandle art, RealRect<Real>* bounds);
    ZBErr (*ValidArt)(PDArtHandle art, ZBBoolean* valid);
    ZBBoolean (*ArtHasFill)(PDArtHandle art);
    ZBBoolean (*ArtHasStroke)(PDArtHandle art);
};

template <typename Real>
struct PathSuiteLayout {
    ZBErr (*GetPathSegmentCount)(PDArtHandle path, int16_t* count);
    ZBErr (*SetPathSegmentCount)(PDArtHandle path, int16_t count);
    ZBErr (*GetPathSegments)(PDArtHandle path, int16_t first, int16_t count, PathSegment<Real>* segments);
    ZBErr (*SetPathSegments)(PDArtHandle path, int16_t first, int16_t count, const PathSegment<Real>* segments);
    ZBErr (*GetPathClosed)(PDArtHandle path, ZBBoolean* closed);
    ZBErr (*SetPathClosed)(PDArtHandle path, ZBBoolean closed);
};

template <typename Real>
struct PathStyleSuiteLayout {
    ZBErr (*GetPathStyle)(PDArtHandle art, PathStyle<Real>* style);
    ZBErr (*SetPathStyle)(PDArtHandle art, const PathStyle<Real>* style);
};

template <typename Real>
struct PreferenceSuiteLayout {
    ZBErr (*GetIntegerPreference)(const char* prefix, const char* key, int32_t* value);
    ZBErr (*GetRealPreference)(const char* prefix, const char* key, Real* value);
    ZBErr (*GetBooleanPreference)(const char* prefix, const char* key, ZBBoolean* value);
    ZBErr (*PutIntegerPreference)(const char* prefix, const char* key, int32_t value);
    ZBErr (*PutRealPreference)(const char* prefix, const char* key, Real value);
    ZBErr (*PutBooleanPreference)(const char* prefix, const char* key, ZBBoolean value);
    ZBErr (*RemovePreference)(const char* prefix, const char* key);
};

template <typename Real>
struct ActionManagerSuiteLayout {
    ZBErr (*PlayActionEvent)(const char* eventName, int32_t dialogStatus, PDActionParamValueRef params);
    ZBErr (*NewActionParamValue)(PDActionParamValueRef* params);
    ZBErr (*DeleteActionParamValue)(PDActionParamValueRef params);
    ZBErr (*CountActionParamValues)(PDActionParamValueRef params, int32_t* count);
    ZBErr (*GetNthActionParamKey)(PDActionParamValueRef params, int32_t n, int32_t* key);
    ZBErr (*GetActionParamType)(PDActionParamValueRef params, int32_t key, int32_t* type);
    ZBErr (*SetInteger)(PDActionParamValueRef params, int32_t key, int32_t value);
    ZBErr (*GetInteger)(PDActionParamValueRef params, int32_t key, int32_t* value);
    ZBErr (*SetReal)(PDActionParamValueRef params, int32_t key, Real value);
    ZBErr (*GetReal)(PDActionParamValueRef params, int32_t key, Real* value);
    ZBErr (*SetUnitReal)(PDActionParamValueRef params, int32_t key, int32_t unit, Real value);
    ZBErr (*GetUnitReal)(PDActionParamValueRef params, int32_t key, int32_t* unit, Real* value);
    ZBErr (*SetEnumerated)(PDActionParamValueRef params, int32_t key, const char* name, int32_t value);
    ZBErr (*GetEnumerated)(PDActionParamValueRef params, int32_t key, const char** name, int32_t* value);
    ZBErr (*SetBoolean)(PDActionParamValueRef params, int32_t key, ZBBoolean value);
    ZBErr (*GetBoolean)(PDActionParamValueRef params, int32_t key, ZBBoolean* value);
    ZBErr (*SetString)(PDActionParamValueRef params, int32_t key, const char* value);
    ZBErr (*GetString)(PDActionParamValueRef params, int32_t key, const char** value);
};

}  // namespace host

#endif
