// Pulling a frame from the host's image graph.
//
// An inspected object answers IDSGraphObject; its GetGraphObject gives the
// object whose image is to be pulled.  CDSImageGraphPuller hands a request
// to the host's image graph (a service the host registers with the COM
// runtime under CLSID_DSImageGraph); the host renders the frame and
// delivers the outcome to the request's sink on the user-interface thread.
#pragma once

#include <cstdint>

#include "platform/com/Unknown.h"

inline constexpr IID IID_IDSGraphObject = "{90E62E61-6EA1-11CF-86C1-00AA006297D6}"_guid;
inline constexpr IID IID_IDSImageGraph = "{6B3E1D7C-2A94-4F05-B8C3-91E4D6A2F057}"_guid;
inline constexpr CLSID CLSID_DSImageGraph = "{0C7F5E2B-83D1-4A6E-9F24-B5A1C3D8E961}"_guid;
inline constexpr IID IID_IDSImagePullSink = "{E4A8C2D6-1B37-4F9E-A5C0-7D2B6E8F3A19}"_guid;

// Pull statuses that mean "ask again": the graph was busy, or the pull was
// interrupted before it finished.
inline constexpr HRESULT DS_E_PULL_BUSY = HRESULT(0xD62E0C01u);
inline constexpr HRESULT DS_E_PULL_INTERRUPTED = HRESULT(0xD62E0C02u);

class IDSGraphObject : public IUnknown {
public:
    // The object's name in the host's graph (UTF-8, truncated to the buffer).
    virtual HRESULT GetGraphName(char* buffer, uint32_t size) = 0;
    // The graph object whose image a pull renders, as interface `iid`.
    virtual HRESULT GetGraphObject(REFIID iid, void** out) = 0;

protected:
    ~IDSGraphObject() = default;
};

class IDSImagePullSink : public IUnknown {
public:
    // The outcome: a success with the image (an object answering
    // IID_IDSImage), or a failure status and no result.
    virtual HRESULT Notify(HRESULT status, IUnknown* result) = 0;

protected:
    ~IDSImagePullSink() = default;
};

class IDSImageGraph : public IUnknown {
public:
    // Queues a pull of `object`'s image at `time` in `format`; width and
    // height 0 ask for the object's own size.  The sink (held until the
    // outcome is delivered or the pull cancelled) hears of it later, on the
    // user-interface thread.
    virtual HRESULT Pull(IUnknown* object, DWORD flags, double time, int32_t mode, int32_t width,
                         int32_t height, REFGUID format, IDSImagePullSink* sink, DWORD* pullId) = 0;
    // Drops a queued pull and its sink; nothing is delivered for it.
    virtual HRESULT Cancel(DWORD pullId) = 0;

protected:
    ~IDSImageGraph() = default;
};
