#include "tests/openfx/OfxTestHost.h"

#include <cstdio>

#include "tests/openfx/OfxTestThreads.h"

OfxTestHost::OfxTestHost(const std::string& pluginFolder) : effects_(*this), folder_(pluginFolder) {
    OFX::Host::Property::Set& p = _properties;
    p.setStringProperty(kOfxPropName, "fn.colbalance.testhost");
    p.setStringProperty(kOfxPropLabel, "K_ColBalance test host");
    p.setIntProperty(kOfxPropAPIVersion, 1, 0);
    p.setIntProperty(kOfxPropAPIVersion, 4, 1);
    p.setIntProperty(kOfxPropVersion, 1, 0);
    p.setStringProperty(kOfxPropVersionLabel, "1.0");
    p.setIntProperty(kOfxImageEffectHostPropIsBackground, 1);
    p.setIntProperty(kOfxImageEffectPropSupportsOverlays, 0);
    p.setIntProperty(kOfxImageEffectPropSupportsMultiResolution, 1);
    p.setIntProperty(kOfxImageEffectPropSupportsTiles, 1);
    p.setIntProperty(kOfxImageEffectPropTemporalClipAccess, 0);
    p.setStringProperty(kOfxImageEffectPropSupportedComponents, kOfxImageComponentRGBA, 0);
    p.setStringProperty(kOfxImageEffectPropSupportedComponents, kOfxImageComponentRGB, 1);
    p.setStringProperty(kOfxImageEffectPropSupportedComponents, kOfxImageComponentAlpha, 2);
    p.setStringProperty(kOfxImageEffectPropSupportedPixelDepths, kOfxBitDepthByte, 0);
    p.setStringProperty(kOfxImageEffectPropSupportedPixelDepths, kOfxBitDepthShort, 1);
    p.setStringProperty(kOfxImageEffectPropSupportedPixelDepths, kOfxBitDepthFloat, 2);
    p.setStringProperty(kOfxImageEffectPropSupportedContexts, kOfxImageEffectContextFilter, 0);
    p.setStringProperty(kOfxImageEffectPropSupportedContexts, kOfxImageEffectContextGeneral, 1);
    p.setIntProperty(kOfxImageEffectPropSupportsMultipleClipDepths, 0);
    p.setIntProperty(kOfxImageEffectPropSupportsMultipleClipPARs, 0);

    effects_.registerInCache(folder_);
    folder_.scanPluginFiles();
}

OfxTestHost::~OfxTestHost() = default;

OFX::Host::ImageEffect::ImageEffectPlugin* OfxTestHost::plugin(const std::string& id) {
    return effects_.getPluginById(id);
}

OFX::Host::ImageEffect::Descriptor* OfxTestHost::describe(const std::string& id,
                                                          const std::string& context) {
    OFX::Host::ImageEffect::ImageEffectPlugin* p = plugin(id);
    return p ? p->getContext(context) : nullptr;
}

std::unique_ptr<OfxTestEffect> OfxTestHost::create(const std::string& id,
                                                   const std::string& context) {
    OFX::Host::ImageEffect::ImageEffectPlugin* p = plugin(id);
    if (!p) return nullptr;
    std::unique_ptr<OFX::Host::ImageEffect::Instance> made(p->createInstance(context, nullptr));
    auto* effect = dynamic_cast<OfxTestEffect*>(made.get());
    if (!effect || effect->createInstanceAction() != kOfxStatOK) return nullptr;
    made.release();
    return std::unique_ptr<OfxTestEffect>(effect);
}

OFX::Host::ImageEffect::Instance* OfxTestHost::newInstance(
    void*, OFX::Host::ImageEffect::ImageEffectPlugin* plugin,
    OFX::Host::ImageEffect::Descriptor& desc, const std::string& context) {
    return new OfxTestEffect(plugin, desc, context);
}

OFX::Host::ImageEffect::Descriptor* OfxTestHost::makeDescriptor(
    OFX::Host::ImageEffect::ImageEffectPlugin* plugin) {
    return new OFX::Host::ImageEffect::Descriptor(plugin);
}

OFX::Host::ImageEffect::Descriptor* OfxTestHost::makeDescriptor(
    const OFX::Host::ImageEffect::Descriptor& rootContext,
    OFX::Host::ImageEffect::ImageEffectPlugin* plugin) {
    return new OFX::Host::ImageEffect::Descriptor(rootContext, plugin);
}

OFX::Host::ImageEffect::Descriptor* OfxTestHost::makeDescriptor(
    const std::string& bundlePath, OFX::Host::ImageEffect::ImageEffectPlugin* plugin) {
    return new OFX::Host::ImageEffect::Descriptor(bundlePath, plugin);
}

// Messages outside any instance: there is no user to show them to.
OfxStatus OfxTestHost::vmessage(const char* type, const char*, const char* format, va_list args) {
    std::fprintf(stderr, "OFX %s: ", type ? type : "message");
    std::vfprintf(stderr, format ? format : "", args);
    std::fputc('\n', stderr);
    return kOfxStatOK;
}

OfxStatus OfxTestHost::setPersistentMessage(const char* type, const char* id, const char* format,
                                            va_list args) {
    return vmessage(type, id, format, args);
}

OfxStatus OfxTestHost::multiThread(OfxThreadFunctionV1 func, unsigned int nThreads, void* arg) {
    return OfxTestThreads::multiThread(func, nThreads, arg);
}

OfxStatus OfxTestHost::multiThreadNumCPUS(unsigned int* nCPUs) const {
    if (!nCPUs) return kOfxStatFailed;
    *nCPUs = OfxTestThreads::cpuCount();
    return kOfxStatOK;
}

OfxStatus OfxTestHost::multiThreadIndex(unsigned int* threadIndex) const {
    if (!threadIndex) return kOfxStatFailed;
    *threadIndex = OfxTestThreads::index();
    return kOfxStatOK;
}

int OfxTestHost::multiThreadIsSpawnedThread() const {
    return OfxTestThreads::isSpawnedThread() ? 1 : 0;
}

OfxStatus OfxTestHost::mutexCreate(OfxMutexHandle* mutex, int lockCount) {
    return OfxTestThreads::mutexCreate(mutex, lockCount);
}

OfxStatus OfxTestHost::mutexDestroy(const OfxMutexHandle mutex) {
    return OfxTestThreads::mutexDestroy(mutex);
}

OfxStatus OfxTestHost::mutexLock(const OfxMutexHandle mutex) {
    return OfxTestThreads::mutexLock(mutex);
}

OfxStatus OfxTestHost::mutexUnLock(const OfxMutexHandle mutex) {
    return OfxTestThreads::mutexUnLock(mutex);
}

OfxStatus OfxTestHost::mutexTryLock(const OfxMutexHandle mutex) {
    return OfxTestThreads::mutexTryLock(mutex);
}
