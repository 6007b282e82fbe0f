// DsHostServices: the host's process-wide services, registered with the COM
// runtime for as long as the object lives (create one per host, before
// loading modules):
//   - content properties: the project frame sizes, read by effects to scale
//     world placement to pixels ("Project Frame User Size (X)", "... (Y)",
//     "Project Frame World Size (X)", "... (Y)"); unset until
//     setProjectFrame, and reads of unset properties fail;
//   - the coordinate manager: scaled placement -> pixel offset of the
//     top-left corner, rounded half up and saturated to 32 bits;
//   - the registrar that records what modules register at installation.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/com/Guid.h"

struct DsClassRegistration {
    CLSID clsid;
    std::string modulePath;
    uint32_t nameId;
    std::string name;
};

struct DsFamilyRegistration {
    CLSID effect;
    std::vector<GUID> families;
    uint32_t flag;
    std::string displayName;
    std::string modulePath;
};

class DsHostServices {
public:
    DsHostServices();
    ~DsHostServices();
    DsHostServices(const DsHostServices&) = delete;
    DsHostServices& operator=(const DsHostServices&) = delete;

    // False when the COM runtime refused a registration.
    bool registered() const;

    void setProjectFrame(double userX, double userY, double worldX, double worldY);
    void clearProjectFrame();

    std::vector<DsClassRegistration> classes() const;
    std::vector<DsFamilyRegistration> families() const;

    struct State;

private:
    std::shared_ptr<State> state_;
};
