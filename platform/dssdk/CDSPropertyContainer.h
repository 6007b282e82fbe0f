// The property-container classes: an object's parameters as the host sees
// them (IDSPropertyContainer), their current values (members of the object,
// located through the static property map) and their animation.
//
//   CDSBasePropertyContainer     map, values, keyframes, GetValueDirect
//   CDSPropertyContainer         (no additions in this SDK)
//   CDSAliasedPropertyContainer  (no additions in this SDK)
//
// Values and keyframes may be set on one thread while another renders:
// every access goes through the container's lock.
#pragma once

#include <cstdint>
#include <map>
#include <mutex>
#include <vector>

#include "platform/dssdk/CDSAnimationCurve.h"
#include "platform/dssdk/CDSParamDef.h"
#include "platform/dssdk/DSEffect.h"

// A class's property map flattened in order, built once per class.
struct CDSStaticPropertyMap {
    std::vector<const CDSPropertiesMapEntry*> entries;
};

class CDSBasePropertyContainer : public IDSPropertyContainer {
public:
    CDSBasePropertyContainer() = default;
    CDSBasePropertyContainer(const CDSBasePropertyContainer&) = delete;
    CDSBasePropertyContainer& operator=(const CDSBasePropertyContainer&) = delete;
    virtual ~CDSBasePropertyContainer() = default;

    // Flattens `map` and the maps chained after it into `out`.
    static void InitStaticPropertyMap(CDSStaticPropertyMap& out, const CDSPropertiesMap& map);

    // The animated value of the property with `key` at `time`, or `current`
    // when it has no keyframes.
    double GetValueDirect(uint32_t key, double current, double time);

    // Copies every animation curve of `from` (same class).
    void CopyAnimation(CDSBasePropertyContainer& from);
    void ClearAnimation();

    // IDSPropertyContainer.  Name, description and icon belong to the
    // concrete object: E_NOTIMPL here.
    HRESULT GetName(char* buffer, uint32_t size) override;
    HRESULT GetDescription(char* buffer, uint32_t size) override;
    HRESULT GetIconId(uint32_t* id) override;
    HRESULT GetPropertyCount(uint32_t* count) override;
    HRESULT GetPropertyInfo(uint32_t index, DSPropertyInfo* info) override;
    HRESULT GetListItem(uint32_t index, uint32_t item, char* buffer, uint32_t size) override;
    HRESULT FindProperty(REFGUID id, uint32_t* index) override;
    HRESULT GetValue(REFGUID id, double* value) override;
    HRESULT SetValue(REFGUID id, double value) override;
    HRESULT SetKeyframe(REFGUID id, double time, double value) override;
    HRESULT ClearKeyframes(REFGUID id) override;
    HRESULT GetValueAt(REFGUID id, double time, double* value) override;
    HRESULT GetKeyframeCount(REFGUID id, uint32_t* count) override;
    HRESULT GetKeyframe(REFGUID id, uint32_t index, double* time, double* value) override;

protected:
    // The object's property map (InitStaticPropertyMap on first use).
    virtual const CDSStaticPropertyMap& GetStaticPropertyMap() = 0;

    const CDSPropertiesMapEntry* FindEntry(REFGUID id);
    // Current value of an entry's member as a double; the lock is held.
    double ReadMember(const CDSPropertiesMapEntry& e);
    void WriteMember(const CDSPropertiesMapEntry& e, double value);

    std::mutex m_propertyLock;

private:
    std::map<uint32_t, CDSAnimationCurve> m_animation;
};

class CDSPropertyContainer : public CDSBasePropertyContainer {};

class CDSAliasedPropertyContainer : public CDSPropertyContainer {};
