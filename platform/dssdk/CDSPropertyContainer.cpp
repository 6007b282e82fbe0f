#include "platform/dssdk/CDSPropertyContainer.h"

#include <cmath>
#include <cstring>

#include "platform/dssdk/DSModuleInstance.h"

namespace {
void copyText(char* dst, size_t size, HINSTANCE instance, UINT id) {
    LoadStringA(instance, id, dst, int(size));
}
}  // namespace

void CDSBasePropertyContainer::InitStaticPropertyMap(CDSStaticPropertyMap& out,
                                                     const CDSPropertiesMap& map) {
    out.entries.clear();
    for (const CDSPropertiesMap* m = &map; m; m = m->next)
        for (const CDSPropertiesMapEntry* e = m->entries; e && e->Def(); ++e)
            out.entries.push_back(e);
}

const CDSPropertiesMapEntry* CDSBasePropertyContainer::FindEntry(REFGUID id) {
    for (const CDSPropertiesMapEntry* e : GetStaticPropertyMap().entries)
        if (e->Def()->Id() == id) return e;
    return nullptr;
}

double CDSBasePropertyContainer::ReadMember(const CDSPropertiesMapEntry& e) {
    void* m = e.Member(this);
    if (e.Def()->Type() == VT_R8) return *static_cast<double*>(m);
    return *static_cast<int32_t*>(m);
}

void CDSBasePropertyContainer::WriteMember(const CDSPropertiesMapEntry& e, double value) {
    void* m = e.Member(this);
    if (e.Def()->Type() == VT_R8)
        *static_cast<double*>(m) = value;
    else
        *static_cast<int32_t*>(m) = int32_t(value);  // range checked by the caller
}

double CDSBasePropertyContainer::GetValueDirect(uint32_t key, double current, double time) {
    std::lock_guard<std::mutex> g(m_propertyLock);
    auto it = m_animation.find(key);
    if (it == m_animation.end() || it->second.Empty()) return current;
    return it->second.ValueAt(time);
}

void CDSBasePropertyContainer::CopyAnimation(CDSBasePropertyContainer& from) {
    if (&from == this) return;
    std::map<uint32_t, CDSAnimationCurve> copy;
    {
        std::lock_guard<std::mutex> g(from.m_propertyLock);
        copy = from.m_animation;
    }
    std::lock_guard<std::mutex> g(m_propertyLock);
    m_animation.swap(copy);
}

void CDSBasePropertyContainer::ClearAnimation() {
    std::lock_guard<std::mutex> g(m_propertyLock);
    m_animation.clear();
}

HRESULT CDSBasePropertyContainer::GetName(char*, uint32_t) { return E_NOTIMPL; }
HRESULT CDSBasePropertyContainer::GetDescription(char*, uint32_t) { return E_NOTIMPL; }
HRESULT CDSBasePropertyContainer::GetIconId(uint32_t*) { return E_NOTIMPL; }

HRESULT CDSBasePropertyContainer::GetPropertyCount(uint32_t* count) {
    if (!count) return E_POINTER;
    *count = uint32_t(GetStaticPropertyMap().entries.size());
    return S_OK;
}

HRESULT CDSBasePropertyContainer::GetPropertyInfo(uint32_t index, DSPropertyInfo* info) {
    if (!info) return E_POINTER;
    const auto& entries = GetStaticPropertyMap().entries;
    if (index >= entries.size()) return E_INVALIDARG;
    const CDSPropertiesMapEntry& e = *entries[index];
    const CDSParamDef& d = *e.Def();
    std::memset(info, 0, sizeof *info);
    info->id = d.Id();
    info->key = e.Key();
    info->type = d.Type();
    info->capabilities = d.Capabilities();
    info->defaultValue = d.Default();
    info->hasRange = d.HasRange() ? 1 : 0;
    info->minimum = d.Minimum();
    info->maximum = d.Maximum();
    info->listCount = d.ListCount();
    copyText(info->name, sizeof info->name, d.Instance(), d.NameId());
    copyText(info->description, sizeof info->description, d.Instance(), d.DescriptionId());
    return S_OK;
}

HRESULT CDSBasePropertyContainer::GetListItem(uint32_t index, uint32_t item, char* buffer,
                                              uint32_t size) {
    if (!buffer) return E_POINTER;
    if (size == 0) return E_INVALIDARG;
    buffer[0] = '\0';
    const auto& entries = GetStaticPropertyMap().entries;
    if (index >= entries.size()) return E_INVALIDARG;
    const CDSParamDef& d = *entries[index]->Def();
    if (item >= d.ListCount()) return E_INVALIDARG;
    if (LoadStringA(d.Instance(), d.ListItem(item), buffer,
                    int(size > 0x7fffffff ? 0x7fffffff : size)) == 0)
        return E_FAIL;
    return S_OK;
}

HRESULT CDSBasePropertyContainer::FindProperty(REFGUID id, uint32_t* index) {
    if (!index) return E_POINTER;
    const auto& entries = GetStaticPropertyMap().entries;
    for (size_t i = 0; i < entries.size(); ++i) {
        if (entries[i]->Def()->Id() == id) {
            *index = uint32_t(i);
            return S_OK;
        }
    }
    return E_INVALIDARG;
}

HRESULT CDSBasePropertyContainer::GetValue(REFGUID id, double* value) {
    if (!value) return E_POINTER;
    const CDSPropertiesMapEntry* e = FindEntry(id);
    if (!e) return E_INVALIDARG;
    std::lock_guard<std::mutex> g(m_propertyLock);
    *value = ReadMember(*e);
    return S_OK;
}

HRESULT CDSBasePropertyContainer::SetValue(REFGUID id, double value) {
    const CDSPropertiesMapEntry* e = FindEntry(id);
    if (!e || !std::isfinite(value)) return E_INVALIDARG;
    const CDSParamDef& d = *e->Def();
    if (d.Type() != VT_R8) {
        if (value != std::trunc(value) || value < -2147483648.0 || value > 2147483647.0)
            return E_INVALIDARG;
        if (d.ListCount() > 0 && (value < 0 || value >= d.ListCount())) return E_INVALIDARG;
    }
    std::lock_guard<std::mutex> g(m_propertyLock);
    WriteMember(*e, value);
    return S_OK;
}

HRESULT CDSBasePropertyContainer::SetKeyframe(REFGUID id, double time, double value) {
    const CDSPropertiesMapEntry* e = FindEntry(id);
    if (!e || !e->Def()->Animatable() || !std::isfinite(time) || !std::isfinite(value))
        return E_INVALIDARG;
    std::lock_guard<std::mutex> g(m_propertyLock);
    m_animation[e->Key()].SetKey(time, value);
    return S_OK;
}

HRESULT CDSBasePropertyContainer::ClearKeyframes(REFGUID id) {
    const CDSPropertiesMapEntry* e = FindEntry(id);
    if (!e) return E_INVALIDARG;
    std::lock_guard<std::mutex> g(m_propertyLock);
    m_animation.erase(e->Key());
    return S_OK;
}

HRESULT CDSBasePropertyContainer::GetValueAt(REFGUID id, double time, double* value) {
    if (!value) return E_POINTER;
    const CDSPropertiesMapEntry* e = FindEntry(id);
    if (!e) return E_INVALIDARG;
    double current;
    {
        std::lock_guard<std::mutex> g(m_propertyLock);
        current = ReadMember(*e);
    }
    *value = e->Def()->Animatable() ? GetValueDirect(e->Key(), current, time) : current;
    return S_OK;
}

HRESULT CDSBasePropertyContainer::GetKeyframeCount(REFGUID id, uint32_t* count) {
    if (!count) return E_POINTER;
    *count = 0;
    const CDSPropertiesMapEntry* e = FindEntry(id);
    if (!e) return E_INVALIDARG;
    std::lock_guard<std::mutex> g(m_propertyLock);
    auto it = m_animation.find(e->Key());
    if (it != m_animation.end()) *count = uint32_t(it->second.Size());
    return S_OK;
}

HRESULT CDSBasePropertyContainer::GetKeyframe(REFGUID id, uint32_t index, double* time,
                                              double* value) {
    if (!time || !value) return E_POINTER;
    const CDSPropertiesMapEntry* e = FindEntry(id);
    if (!e) return E_INVALIDARG;
    std::lock_guard<std::mutex> g(m_propertyLock);
    auto it = m_animation.find(e->Key());
    if (it == m_animation.end() || index >= it->second.Size()) return E_INVALIDARG;
    *time = it->second.Keys()[index].first;
    *value = it->second.Keys()[index].second;
    return S_OK;
}
