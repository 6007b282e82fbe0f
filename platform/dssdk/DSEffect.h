// The interfaces through which a host drives an image effect.
//
// A host creates the effect through the module's class factory, then
//   SetDefaults, GetImageEffectInfo (with the effect family it uses the
//   effect in), Verify once its images are set;
//   per frame: SetImage / SetPixelMask / SetRegionOfInterest / SetField /
//   SetExecutionContext, then Render(nullptr, time).
// Parameters (the channel switches among them) are read, set and animated
// through IDSPropertyContainer, which the same object answers.
#pragma once

#include <cstdint>

#include "platform/com/Unknown.h"
#include "platform/dssdk/DSHostInterfaces.h"
#include "platform/dssdk/IDSImage.h"

inline constexpr IID IID_IDSImageEffect = "{1BDE5F4F-E2A8-473A-88D9-DF89AEE552F1}"_guid;
inline constexpr IID IID_IDSPropertyContainer = "{DE3561D7-5FB3-4F13-B70A-A7B77B7DE217}"_guid;

// Record types of the two information calls.
inline constexpr GUID DSINFO_EFFECT = "{5E3D73B1-D900-11CF-828E-00A0243F1013}"_guid;
inline constexpr GUID DSINFO_IMAGE_EFFECT = "{6024B980-B7F4-11D0-82D3-00A0243F1013}"_guid;

// Effect families a host may use an image effect in.  The filter family
// processes a source into the output; the paint family blends the result
// with the source through a pixel mask.
inline constexpr GUID DSFAMILY_FILTER = "{AE0D7C31-95AA-11D0-B685-00A024191AE0}"_guid;
inline constexpr GUID DSFAMILY_PAINT = "{AE0D7C40-95AA-11D0-B685-00A024191AE0}"_guid;

// The channel switches every image effect has (VT_I4; 1 processed, 0 the
// channel is restored from the source; alpha 2 weights the effect by alpha).
inline constexpr GUID DSPARAM_MASK_RED = "{A9962F51-7962-11D0-8AF7-00A024EE5780}"_guid;
inline constexpr GUID DSPARAM_MASK_GREEN = "{A9962F52-7962-11D0-8AF7-00A024EE5780}"_guid;
inline constexpr GUID DSPARAM_MASK_BLUE = "{A9962F53-7962-11D0-8AF7-00A024EE5780}"_guid;
inline constexpr GUID DSPARAM_MASK_ALPHA = "{D5794982-786C-11D0-8AF5-00A024EE5780}"_guid;

// The notification property that stands for "every property changed".
inline constexpr GUID DSPROP_ALL = "{5B192010-2C0D-11D0-82AB-00A0243F1013}"_guid;

enum DSImageRole : int32_t {
    DS_IMAGE_SOURCE = 0,
    DS_IMAGE_INPUT2 = 1,
    DS_IMAGE_OUTPUT = 2,
};

// A region of interest in output pixels, rows counted from the top.
struct DSRect {
    int32_t x, y, width, height;
};

struct DSEffectInfo {
    GUID recordType;  // DSINFO_EFFECT, set by the caller
    GUID classIds[2];
    GUID effectClassId;
    uint32_t reserved;
};

struct DSImageEffectInfo {
    GUID recordType;  // DSINFO_IMAGE_EFFECT, set by the caller
    GUID family;      // set by the caller
    uint32_t capabilities[10];
};

class IDSImageEffect : public IUnknown {
public:
    // Holds a reference to the image until replaced; null clears the role.
    // Unknown role: E_INVALIDARG.
    virtual HRESULT SetImage(int32_t role, IDSImage* image) = 0;
    // The pixel mask (MFIF_A_RAW_8 for 8-bit output, MFIF_A_S2_14 for
    // 16-bit) and the pixel position of its top-left corner.
    virtual HRESULT SetPixelMask(IDSImage* mask, int32_t x, int32_t y) = 0;
    // Null: no region of interest (the whole output).  Width and height
    // must be at least 1, else E_INVALIDARG.
    virtual HRESULT SetRegionOfInterest(const DSRect* roi) = 0;
    // 0 whole frame, 1 first field (even rows), 2 second field (odd rows);
    // any other value renders the whole frame.
    virtual HRESULT SetField(int32_t field) = 0;
    virtual HRESULT SetExecutionContext(IDSExecutionContext* context) = 0;

    virtual HRESULT GetInfo(DSEffectInfo* info) = 0;
    virtual HRESULT GetImageEffectInfo(DSImageEffectInfo* info) = 0;
    // S_OK for a supported output format, S_FALSE otherwise.
    virtual HRESULT IsFormatSupported(REFGUID format) = 0;
    virtual HRESULT SetDefaults() = 0;
    virtual HRESULT Verify() = 0;
    // Renders the frame at `time` into the output image.
    virtual HRESULT Render(IUnknown* reserved, double time) = 0;
    // A separate object with the same parameters and animation, for
    // rendering on another thread.
    virtual HRESULT Clone(REFIID iid, void** out) = 0;

protected:
    ~IDSImageEffect() = default;
};

// Capability bit of an animatable (keyframed) parameter.
constexpr uint32_t DSCAP_ANIMATABLE = 1;

struct DSPropertyInfo {
    GUID id;
    uint32_t key;
    VARTYPE type;           // VT_R8, VT_I4 or VT_BOOL
    uint32_t capabilities;  // DSCAP_ANIMATABLE and host bits
    double defaultValue;
    int32_t hasRange;  // the property page's range, when it has one
    double minimum, maximum;
    uint32_t listCount;  // number of list texts (GetListItem)
    char name[128];
    char description[256];
};

class IDSPropertyContainer : public IUnknown {
public:
    // The object's display name and description, UTF-8, truncated to the
    // buffer.  E_POINTER for a null buffer, E_FAIL when not available.
    virtual HRESULT GetName(char* buffer, uint32_t size) = 0;
    virtual HRESULT GetDescription(char* buffer, uint32_t size) = 0;
    virtual HRESULT GetIconId(uint32_t* id) = 0;

    virtual HRESULT GetPropertyCount(uint32_t* count) = 0;
    virtual HRESULT GetPropertyInfo(uint32_t index, DSPropertyInfo* info) = 0;
    virtual HRESULT GetListItem(uint32_t index, uint32_t item, char* buffer, uint32_t size) = 0;
    virtual HRESULT FindProperty(REFGUID id, uint32_t* index) = 0;

    // The current (not animated) value.  Unknown property: E_INVALIDARG.
    virtual HRESULT GetValue(REFGUID id, double* value) = 0;
    // Integer and check-box properties take whole numbers in the 32-bit
    // range, lists an item index; non-finite values are refused
    // (E_INVALIDARG) for every property.
    virtual HRESULT SetValue(REFGUID id, double value) = 0;
    // Keyframes animate DSCAP_ANIMATABLE properties: linear between keys,
    // held before the first and after the last.  A key at an existing time
    // replaces it.
    virtual HRESULT SetKeyframe(REFGUID id, double time, double value) = 0;
    virtual HRESULT ClearKeyframes(REFGUID id) = 0;
    // The value the effect renders with at `time`.
    virtual HRESULT GetValueAt(REFGUID id, double time, double* value) = 0;
    // The keyframes of a property, ordered by time (none for a property
    // that is not animated).  Index past the last: E_INVALIDARG.
    virtual HRESULT GetKeyframeCount(REFGUID id, uint32_t* count) = 0;
    virtual HRESULT GetKeyframe(REFGUID id, uint32_t index, double* time, double* value) = 0;

protected:
    ~IDSPropertyContainer() = default;
};
