/* A keyboard for tests under a Wayland compositor: it uploads one full "us"
 * keymap when it starts and then sends real presses and releases, with the
 * modifier state they make, as commands read one a line from stdin say.
 * One client serves a whole scenario, so the compositor sees a single
 * keyboard whose Control or Alt stays down between commands when asked.
 *
 *   giu KEY          press KEY (an X keysym name: Right, Return, space, p)
 *   su KEY           release KEY
 *   batti A+B+...    press the keys in order, then release them in reverse
 *   tieni KEY MS     press KEY, hold it MS milliseconds, release it
 *   pausa MS         wait MS milliseconds
 *
 * Every command is answered on stdout with "ok" once the compositor has
 * taken it, or "errore ..." for a key the keymap lacks. */
#define _GNU_SOURCE
#include "virtual-keyboard-unstable-v1-client-protocol.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/mman.h>
#include <time.h>
#include <unistd.h>
#include <wayland-client.h>
#include <xkbcommon/xkbcommon.h>

static struct wl_seat *seat;
static struct zwp_virtual_keyboard_manager_v1 *manager;
static struct zwp_virtual_keyboard_v1 *tastiera;
static struct wl_display *display;
static struct xkb_keymap *keymap;
static struct xkb_state *stato;

static void globale(void *data, struct wl_registry *registro, uint32_t nome, const char *interfaccia,
                    uint32_t versione)
{
    (void)data;
    (void)versione;
    if (strcmp(interfaccia, wl_seat_interface.name) == 0 && !seat)
        seat = wl_registry_bind(registro, nome, &wl_seat_interface, 1);
    else if (strcmp(interfaccia, zwp_virtual_keyboard_manager_v1_interface.name) == 0)
        manager = wl_registry_bind(registro, nome, &zwp_virtual_keyboard_manager_v1_interface, 1);
}

static void globaleTolta(void *data, struct wl_registry *registro, uint32_t nome)
{
    (void)data;
    (void)registro;
    (void)nome;
}

static const struct wl_registry_listener ascoltoRegistro = {globale, globaleTolta};

static uint32_t adesso(void)
{
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return (uint32_t)(t.tv_sec * 1000 + t.tv_nsec / 1000000);
}

static void dormi(long ms)
{
    struct timespec t = {ms / 1000, (ms % 1000) * 1000000L};
    while (nanosleep(&t, &t) != 0) {
    }
}

/* The key whose first level gives the keysym, as an xkb keycode; 0 if none. */
static xkb_keycode_t codiceDi(const char *nome)
{
    const xkb_keysym_t simbolo = xkb_keysym_from_name(nome, XKB_KEYSYM_NO_FLAGS);
    if (simbolo == XKB_KEY_NoSymbol)
        return 0;
    for (xkb_keycode_t k = xkb_keymap_min_keycode(keymap); k <= xkb_keymap_max_keycode(keymap); ++k) {
        const xkb_keysym_t *simboli = NULL;
        const int n = xkb_keymap_key_get_syms_by_level(keymap, k, 0, 0, &simboli);
        for (int i = 0; i < n; ++i)
            if (simboli[i] == simbolo)
                return k;
    }
    return 0;
}

/* A press or a release, then the modifier state it leaves. */
static void invia(xkb_keycode_t codice, int giu)
{
    zwp_virtual_keyboard_v1_key(tastiera, adesso(), codice - 8,
                                giu ? WL_KEYBOARD_KEY_STATE_PRESSED : WL_KEYBOARD_KEY_STATE_RELEASED);
    xkb_state_update_key(stato, codice, giu ? XKB_KEY_DOWN : XKB_KEY_UP);
    zwp_virtual_keyboard_v1_modifiers(tastiera, xkb_state_serialize_mods(stato, XKB_STATE_MODS_DEPRESSED),
                                      xkb_state_serialize_mods(stato, XKB_STATE_MODS_LATCHED),
                                      xkb_state_serialize_mods(stato, XKB_STATE_MODS_LOCKED),
                                      xkb_state_serialize_layout(stato, XKB_STATE_LAYOUT_EFFECTIVE));
    wl_display_roundtrip(display);
}

static int caricaKeymap(void)
{
    struct xkb_context *contesto = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
    const struct xkb_rule_names nomi = {"evdev", "pc105", "us", "", ""};
    keymap = contesto ? xkb_keymap_new_from_names(contesto, &nomi, XKB_KEYMAP_COMPILE_NO_FLAGS) : NULL;
    if (!keymap)
        return 0;
    stato = xkb_state_new(keymap);
    char *testo = xkb_keymap_get_as_string(keymap, XKB_KEYMAP_FORMAT_TEXT_V1);
    const size_t lunghezza = strlen(testo) + 1;
    const int fd = memfd_create("keymap", MFD_CLOEXEC);
    if (fd < 0 || ftruncate(fd, (off_t)lunghezza) != 0) {
        free(testo);
        return 0;
    }
    void *mappa = mmap(NULL, lunghezza, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    if (mappa == MAP_FAILED) {
        free(testo);
        return 0;
    }
    memcpy(mappa, testo, lunghezza);
    munmap(mappa, lunghezza);
    free(testo);
    zwp_virtual_keyboard_v1_keymap(tastiera, WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1, fd, (uint32_t)lunghezza);
    wl_display_roundtrip(display);
    close(fd);
    return 1;
}

static void rispondi(const char *testo)
{
    fprintf(stdout, "%s\n", testo);
    fflush(stdout);
}

int main(void)
{
    display = wl_display_connect(NULL);
    if (!display) {
        fprintf(stderr, "tastiera-virtuale: no Wayland display\n");
        return 1;
    }
    struct wl_registry *registro = wl_display_get_registry(display);
    wl_registry_add_listener(registro, &ascoltoRegistro, NULL);
    wl_display_roundtrip(display);
    if (!seat || !manager) {
        fprintf(stderr, "tastiera-virtuale: the compositor offers no virtual keyboard\n");
        return 1;
    }
    tastiera = zwp_virtual_keyboard_manager_v1_create_virtual_keyboard(manager, seat);
    if (!caricaKeymap()) {
        fprintf(stderr, "tastiera-virtuale: the us keymap could not be made\n");
        return 1;
    }
    rispondi("pronta");

    char riga[256];
    while (fgets(riga, sizeof riga, stdin)) {
        char comando[32] = "", argomento[160] = "";
        long ms = 0;
        if (sscanf(riga, "%31s %159s %ld", comando, argomento, &ms) < 1)
            continue;
        if (strcmp(comando, "pausa") == 0) {
            dormi(atol(argomento));
            rispondi("ok");
            continue;
        }
        /* Every key of the command first, so a wrong name sends nothing. */
        xkb_keycode_t codici[8];
        int n = 0;
        int buoni = 1;
        for (char *parte = strtok(argomento, "+"); parte && n < 8; parte = strtok(NULL, "+")) {
            codici[n] = codiceDi(parte);
            if (!codici[n])
                buoni = 0;
            ++n;
        }
        if (!buoni || n == 0) {
            rispondi("errore: tasto sconosciuto");
            continue;
        }
        if (strcmp(comando, "giu") == 0) {
            invia(codici[0], 1);
        } else if (strcmp(comando, "su") == 0) {
            invia(codici[0], 0);
        } else if (strcmp(comando, "batti") == 0) {
            for (int i = 0; i < n; ++i) {
                invia(codici[i], 1);
                dormi(20);
            }
            for (int i = n - 1; i >= 0; --i) {
                invia(codici[i], 0);
                dormi(20);
            }
        } else if (strcmp(comando, "tieni") == 0) {
            invia(codici[0], 1);
            dormi(ms);
            invia(codici[0], 0);
        } else {
            rispondi("errore: comando sconosciuto");
            continue;
        }
        rispondi("ok");
    }
    zwp_virtual_keyboard_v1_destroy(tastiera);
    wl_display_roundtrip(display);
    wl_display_disconnect(display);
    return 0;
}
