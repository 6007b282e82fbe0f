// The test host: an OpenFX image-effect host on HostSupport that loads the
// plug-in bundles of one folder (and no other: neither OFX_PLUGIN_PATH nor
// /usr/OFX/Plugins), describes them, and makes instances of them.
//
//     OfxTestHost host(pluginFolder);
//     auto effect = host.create("com.quorrel.kestro.ColBalance", kOfxImageEffectContextFilter);
//
// It offers byte, short and float RGBA, RGB and Alpha images, tiles, images
// of different sizes, the Filter and General contexts, and a multithread
// suite of real threads.  HostSupport keeps the host in a global, so a
// process has one at a time.
#pragma once

#include <memory>
#include <string>

#include "ofxhImageEffect.h"
#include "ofxhPluginCache.h"
// HostSupport's headers are not self-contained: this one needs the two above.
#include "ofxhImageEffectAPI.h"

#include "tests/openfx/OfxTestEffect.h"

class OfxTestHost : public OFX::Host::ImageEffect::Host {
public:
    explicit OfxTestHost(const std::string& pluginFolder);
    ~OfxTestHost() override;

    // The plug-in with `id` (its highest version), or null.
    OFX::Host::ImageEffect::ImageEffectPlugin* plugin(const std::string& id);
    // The described context of a plug-in, or null.
    OFX::Host::ImageEffect::Descriptor* describe(const std::string& id, const std::string& context);
    // A created instance in `context` (create-instance action run), or null.
    std::unique_ptr<OfxTestEffect> create(const std::string& id, const std::string& context);

    // HostSupport's host interface.
    OFX::Host::ImageEffect::Instance* newInstance(void* clientData,
                                                  OFX::Host::ImageEffect::ImageEffectPlugin* plugin,
                                                  OFX::Host::ImageEffect::Descriptor& desc,
                                                  const std::string& context) override;
    OFX::Host::ImageEffect::Descriptor* makeDescriptor(
        OFX::Host::ImageEffect::ImageEffectPlugin* plugin) override;
    OFX::Host::ImageEffect::Descriptor* makeDescriptor(
        const OFX::Host::ImageEffect::Descriptor& rootContext,
        OFX::Host::ImageEffect::ImageEffectPlugin* plugin) override;
    OFX::Host::ImageEffect::Descriptor* makeDescriptor(
        const std::string& bundlePath, OFX::Host::ImageEffect::ImageEffectPlugin* plugin) override;
    OfxStatus vmessage(const char* type, const char* id, const char* format, va_list args) override;
    OfxStatus setPersistentMessage(const char* type, const char* id, const char* format,
                                   va_list args) override;
    OfxStatus clearPersistentMessage() override { return kOfxStatOK; }

    OfxStatus multiThread(OfxThreadFunctionV1 func, unsigned int nThreads, void* arg) override;
    OfxStatus multiThreadNumCPUS(unsigned int* nCPUs) const override;
    OfxStatus multiThreadIndex(unsigned int* threadIndex) const override;
    int multiThreadIsSpawnedThread() const override;
    OfxStatus mutexCreate(OfxMutexHandle* mutex, int lockCount) override;
    OfxStatus mutexDestroy(const OfxMutexHandle mutex) override;
    OfxStatus mutexLock(const OfxMutexHandle mutex) override;
    OfxStatus mutexUnLock(const OfxMutexHandle mutex) override;
    OfxStatus mutexTryLock(const OfxMutexHandle mutex) override;

private:
    // The plug-in cache over one folder only.
    class Folder : public OFX::Host::PluginCache {
    public:
        explicit Folder(const std::string& path) { _pluginPath.assign(1, path); }
    };

    // Declared in this order so that the binaries (whose plug-ins are
    // unloaded as they go) go before the image-effect cache and the host.
    OFX::Host::ImageEffect::PluginCache effects_;
    Folder folder_;
};
