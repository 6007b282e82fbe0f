/* k_colbalance.so as a frei0r host loads it: through dlopen and the C
 * interface alone.  Info and parameter info, defaults, bad values, odd frame
 * sizes, extreme settings and several instances at once. */
#include <dlfcn.h>
#include <frei0r.h>
#include <math.h>
#include <pthread.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static int failures = 0;
#define CHECK(cond, ...)                                               \
    do {                                                               \
        if (!(cond)) {                                                 \
            ++failures;                                                \
            fprintf(stderr, "%s:%d: %s: ", __FILE__, __LINE__, #cond); \
            fprintf(stderr, __VA_ARGS__);                              \
            fputc('\n', stderr);                                       \
        }                                                              \
    } while (0)

static struct {
    int (*init)(void);
    void (*deinit)(void);
    void (*plugin_info)(f0r_plugin_info_t*);
    void (*param_info)(f0r_param_info_t*, int);
    f0r_instance_t (*construct)(unsigned, unsigned);
    void (*destruct)(f0r_instance_t);
    void (*set)(f0r_instance_t, f0r_param_t, int);
    void (*get)(f0r_instance_t, f0r_param_t, int);
    void (*update)(f0r_instance_t, double, const uint32_t*, uint32_t*);
} f0r;

static int nparams;

static int param_index(const char* name) {
    for (int i = 0; i < nparams; ++i) {
        f0r_param_info_t info = {0};
        f0r.param_info(&info, i);
        if (info.name && strcmp(info.name, name) == 0) return i;
    }
    fprintf(stderr, "no parameter \"%s\"\n", name);
    exit(1);
}

static void set(f0r_instance_t in, const char* name, double v) {
    f0r.set(in, &v, param_index(name));
}

static double get(f0r_instance_t in, int index) {
    double v = -123.0;
    f0r.get(in, &v, index);
    return v;
}

/* A frame of every kind of pixel: ramps, saturated colours, partial alpha. */
static uint32_t* make_frame(unsigned w, unsigned h) {
    uint32_t* p = malloc((size_t)w * h * 4);
    uint8_t* b = (uint8_t*)p;
    for (size_t i = 0; i < (size_t)w * h; ++i) {
        b[4 * i + 0] = (uint8_t)(i * 37 + 11);
        b[4 * i + 1] = (uint8_t)(i * 91 + 200);
        b[4 * i + 2] = (uint8_t)(i * 13);
        b[4 * i + 3] = (uint8_t)(255 - i * 7);
    }
    return p;
}

static void test_info(void) {
    f0r_plugin_info_t info;
    memset(&info, 0, sizeof info);
    f0r.plugin_info(&info);
    CHECK(info.name && strcmp(info.name, "K_ColBalance") == 0, "name %s", info.name);
    CHECK(info.author && info.author[0], "no author");
    CHECK(info.explanation && strstr(info.explanation, "colour tones"), "explanation");
    CHECK(info.plugin_type == F0R_PLUGIN_TYPE_FILTER, "type %d", info.plugin_type);
    CHECK(info.color_model == F0R_COLOR_MODEL_RGBA8888, "model %d", info.color_model);
    CHECK(info.frei0r_version == FREI0R_MAJOR_VERSION, "version %d", info.frei0r_version);
    /* Every parameter a frame reads; the pages' Which and Hide Overlay
     * Controls are not among them. */
    CHECK(info.num_params == 22, "%d parameters", info.num_params);
    nparams = info.num_params;

    static const char* const kFirst[] = {"Master Hue", "Master Saturation", "Lowlight Hue"};
    int doubles = 0, bools = 0;
    for (int i = 0; i < nparams; ++i) {
        f0r_param_info_t p = {0};
        f0r.param_info(&p, i);
        CHECK(p.name && p.explanation && p.explanation[0], "parameter %d unnamed", i);
        if (!p.name) continue;
        if (i < 3) CHECK(strcmp(p.name, kFirst[i]) == 0, "parameter %d is %s", i, p.name);
        CHECK(strcmp(p.name, "Which") != 0 && strcmp(p.name, "Hide Overlay Controls") != 0,
              "page-only %s exposed", p.name);
        for (int j = 0; j < i; ++j) {
            f0r_param_info_t q = {0};
            f0r.param_info(&q, j);
            CHECK(strcmp(p.name, q.name) != 0, "%s twice", p.name);
        }
        doubles += p.type == F0R_PARAM_DOUBLE;
        bools += p.type == F0R_PARAM_BOOL;
    }
    /* Preserve Luminance and the four channel switches are check boxes;
     * Render Tone is a double. */
    CHECK(bools == 5 && doubles == 17, "%d bools, %d doubles", bools, doubles);
    f0r_param_info_t p = {0};
    f0r.param_info(&p, param_index("Render Tone"));
    CHECK(p.type == F0R_PARAM_DOUBLE, "Render Tone type %d", p.type);
    f0r.param_info(&p, param_index("Preserve Luminance"));
    CHECK(p.type == F0R_PARAM_BOOL, "Preserve Luminance type %d", p.type);

    /* Unknown indices leave the record alone. */
    f0r_param_info_t untouched = {"x", 99, "y"};
    f0r.param_info(&untouched, -1);
    f0r.param_info(&untouched, nparams);
    CHECK(untouched.type == 99 && strcmp(untouched.name, "x") == 0, "unknown index wrote");
}

static void test_params(void) {
    f0r_instance_t in = f0r.construct(16, 16);
    CHECK(in != NULL, "construct");
    if (!in) return;
    /* Defaults are the fractions of the effect's defaults. */
    CHECK(get(in, param_index("Master Hue")) == 0.5, "hue default");
    CHECK(get(in, param_index("Master Luminance")) == 0.5, "luminance default");
    CHECK(get(in, param_index("Highlights")) == 1.0, "highlights default");
    CHECK(get(in, param_index("Lowlights Ease")) == 0.3, "ease default");
    CHECK(get(in, param_index("Preserve Luminance")) == 1.0, "preserve default");
    CHECK(get(in, param_index("Mask alpha channel.")) == 1.0, "mask default");
    CHECK(get(in, param_index("Render Tone")) == 0.0, "tone default");

    const int hue = param_index("Master Hue");
    set(in, "Master Hue", 0.3);
    CHECK(get(in, hue) == 0.3, "set/get");
    set(in, "Master Hue", NAN);
    CHECK(get(in, hue) == 0.3, "NaN changed the value");
    set(in, "Master Hue", 7.0);
    CHECK(get(in, hue) == 1.0, "above 1: %g", get(in, hue));
    set(in, "Master Hue", -INFINITY);
    CHECK(get(in, hue) == 0.0, "below 0: %g", get(in, hue));

    /* Unknown indices: nothing set, nothing read. */
    double v = 0.75;
    f0r.set(in, &v, -1);
    f0r.set(in, &v, nparams);
    f0r.set(in, &v, 1 << 30);
    CHECK(get(in, nparams) == -123.0, "read past the end");
    CHECK(get(in, -5) == -123.0, "read before the start");
    f0r.set(in, NULL, 0);
    f0r.get(in, NULL, 0);
    f0r.destruct(in);

    /* Sizes the engine cannot address, and the null instance. */
    CHECK(f0r.construct(0, 10) == NULL, "0 wide");
    CHECK(f0r.construct(10, 0) == NULL, "0 high");
    CHECK(f0r.construct(0xFFFFFFFFu, 0xFFFFFFFFu) == NULL, "huge");
    f0r.destruct(NULL);
    f0r.set(NULL, &v, 0);
    f0r.get(NULL, &v, 0);
    f0r.update(NULL, 0, NULL, NULL);
}

/* Sizes no band split divides evenly, as ffmpeg passes them. */
static const unsigned kSizes[][2] = {{1, 1}, {7, 3}, {13, 9}, {1, 17}, {33, 1}, {65, 31}};

static void test_default_is_identity(void) {
    for (size_t s = 0; s < sizeof kSizes / sizeof kSizes[0]; ++s) {
        const unsigned w = kSizes[s][0], h = kSizes[s][1];
        f0r_instance_t in = f0r.construct(w, h);
        uint32_t* src = make_frame(w, h);
        uint32_t* out = calloc((size_t)w * h, 4);
        f0r.update(in, 0.0, src, out);
        CHECK(memcmp(src, out, (size_t)w * h * 4) == 0, "%ux%u: defaults changed pixels", w, h);
        /* In place: the same buffer in and out. */
        memcpy(out, src, (size_t)w * h * 4);
        f0r.update(in, 1.0, out, out);
        CHECK(memcmp(src, out, (size_t)w * h * 4) == 0, "%ux%u in place", w, h);
        f0r.update(in, 0.0, NULL, out);
        f0r.update(in, 0.0, src, NULL);
        free(src);
        free(out);
        f0r.destruct(in);
    }
}

static void set_all(f0r_instance_t in, double v) {
    for (int i = 0; i < nparams; ++i) f0r.set(in, &v, i);
}

static int differs(const uint32_t* a, const uint32_t* b, size_t n) {
    return memcmp(a, b, n * 4) != 0;
}

static void test_extremes(void) {
    static const double kValues[] = {0.0, 1.0, -1e308, 1e308, INFINITY, 0.5, 0.49999999999};
    for (size_t s = 0; s < sizeof kSizes / sizeof kSizes[0]; ++s) {
        const unsigned w = kSizes[s][0], h = kSizes[s][1];
        const size_t n = (size_t)w * h;
        f0r_instance_t in = f0r.construct(w, h);
        uint32_t* src = make_frame(w, h);
        uint32_t* out = malloc(n * 4);
        for (size_t k = 0; k < sizeof kValues / sizeof kValues[0]; ++k) {
            set_all(in, kValues[k]);
            set(in, "Render Tone", 0.0);
            f0r.update(in, 0.0, src, out);
            /* The balancer keeps alpha. */
            for (size_t i = 0; i < n; ++i)
                CHECK((out[i] >> 24) == (src[i] >> 24), "%ux%u alpha at %zu", w, h, i);
        }
        /* Strong settings change the frame; a switched-off channel is the
         * source's. */
        set_all(in, 1.0);
        set(in, "Preserve Luminance", 0.0);
        set(in, "Render Tone", 0.0);
        f0r.update(in, 0.0, src, out);
        CHECK(n < 4 || differs(src, out, n), "%ux%u: full settings changed nothing", w, h);
        set(in, "Mask red channel.", 0.0);
        f0r.update(in, 0.0, src, out);
        for (size_t i = 0; i < n; ++i)
            CHECK(((out[i] ^ src[i]) & 0xFF) == 0, "%ux%u red switched off at %zu", w, h, i);
        /* Render Tone: the nearest of f x 3; a matte is grey. */
        const int tone = param_index("Render Tone");
        static const double kTones[] = {0.2, 0.5, 0.9};
        for (size_t t = 0; t < 3; ++t) {
            set_all(in, 1.0);
            f0r.set(in, (void*)&kTones[t], tone);
            f0r.update(in, 0.0, src, out);
            for (size_t i = 0; i < n; ++i) {
                const uint8_t* p = (const uint8_t*)&out[i];
                CHECK(p[0] == p[1] && p[1] == p[2], "%ux%u tone %g not grey at %zu", w, h,
                      kTones[t], i);
            }
        }
        free(src);
        free(out);
        f0r.destruct(in);
    }
}

/* Instances on several threads at once render what each renders alone. */
enum { kThreads = 4, kW = 97, kH = 61 };
struct job {
    f0r_instance_t in;
    const uint32_t* src;
    uint32_t* out;
};

static void* run_job(void* arg) {
    struct job* j = arg;
    for (int r = 0; r < 3; ++r) f0r.update(j->in, r, j->src, j->out);
    return NULL;
}

static void test_instances_at_once(void) {
    uint32_t* src = make_frame(kW, kH);
    struct job jobs[kThreads];
    uint32_t* alone[kThreads];
    for (int t = 0; t < kThreads; ++t) {
        jobs[t].in = f0r.construct(kW, kH);
        jobs[t].src = src;
        jobs[t].out = malloc(kW * kH * 4);
        alone[t] = malloc(kW * kH * 4);
        set(jobs[t].in, "Master Hue", 0.1 + 0.2 * t);
        set(jobs[t].in, "Master Saturation", 0.05 * (t + 1));
        set(jobs[t].in, "Render Tone", t == 3 ? 0.4 : 0.0);
        f0r.update(jobs[t].in, 0, src, alone[t]);
    }
    pthread_t threads[kThreads];
    for (int t = 0; t < kThreads; ++t) pthread_create(&threads[t], NULL, run_job, &jobs[t]);
    for (int t = 0; t < kThreads; ++t) pthread_join(threads[t], NULL);
    for (int t = 0; t < kThreads; ++t) {
        CHECK(memcmp(jobs[t].out, alone[t], kW * kH * 4) == 0, "instance %d differs", t);
        CHECK(t == 0 || memcmp(alone[t], alone[0], kW * kH * 4) != 0, "instance %d same as 0", t);
    }
    for (int t = 0; t < kThreads; ++t) {
        f0r.destruct(jobs[t].in);
        free(jobs[t].out);
        free(alone[t]);
    }
    free(src);
}

int main(int argc, char** argv) {
    if (argc != 2) {
        fprintf(stderr, "usage: %s k_colbalance.so\n", argv[0]);
        return 2;
    }
    void* so = dlopen(argv[1], RTLD_NOW | RTLD_LOCAL);
    if (!so) {
        fprintf(stderr, "dlopen: %s\n", dlerror());
        return 1;
    }
#define LOAD(field, name)                      \
    *(void**)(&f0r.field) = dlsym(so, name);   \
    if (!f0r.field) {                          \
        fprintf(stderr, "missing %s\n", name); \
        return 1;                              \
    }
    LOAD(init, "f0r_init");
    LOAD(deinit, "f0r_deinit");
    LOAD(plugin_info, "f0r_get_plugin_info");
    LOAD(param_info, "f0r_get_param_info");
    LOAD(construct, "f0r_construct");
    LOAD(destruct, "f0r_destruct");
    LOAD(set, "f0r_set_param_value");
    LOAD(get, "f0r_get_param_value");
    LOAD(update, "f0r_update");
    /* Only the frei0r interface is exported. */
    CHECK(dlsym(so, "fnLoadString") == NULL, "internal symbol exported");

    CHECK(f0r.init() == 1, "init");
    test_info();
    test_params();
    test_default_is_identity();
    test_extremes();
    test_instances_at_once();
    f0r.deinit();
    dlclose(so);
    if (failures) fprintf(stderr, "%d failure(s)\n", failures);
    return failures ? 1 : 0;
}
