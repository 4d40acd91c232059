/*
 * KVTComm: the serial library through which the programs reach a KVT-80 unit.
 *
 * Five functions with C linkage. Every function takes a pointer to a 32-bit error word that it
 * sets to 0 first (a null pointer is allowed and ignored). Two client styles share the library:
 *
 *  - callback style (the engine): OpenComm with a callback; every received burst is handed to the
 *    callback on the port's receive thread, followed by a zero byte that the length counts;
 *  - polling style (the network tool): OpenComm with a null callback; received bytes are kept and
 *    fetched with ReadCommBuf, every byte exactly once, in order.
 *
 * Port names (KVTCommSettings.portName):
 *  - "COM1" ... "COM9", with or without a trailing ':', are /dev/ttyS0 ... /dev/ttyS8;
 *  - "USB" (or "USB:") is the first of /dev/ttyUSB*, then /dev/ttyACM*;
 *  - an absolute path ("/dev/serial/by-id/...", a pseudo-terminal such as "/dev/pts/3") is used
 *    as it stands;
 *  - "host:port" or "tcp:host[:port]" opens a raw TCP stream carrying the same bytes; the default
 *    TCP port is KVTCOMM_DEFAULT_TCP_PORT.
 */
#ifndef KVTCOMM_H
#define KVTCOMM_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Error word values. */
#define KVTCOMM_OK 0u
#define KVTCOMM_ERROR_NO_HANDLE 1u   /* no port handle given */
#define KVTCOMM_ERROR_OPEN 2u        /* the port could not be opened */
#define KVTCOMM_ERROR_UNREACHABLE 4u /* a TCP link: the remote address could not be reached */

/* Last write error kept in the handle (see GetCommLastWriteError). */
#define KVTCOMM_WRITE_FAILED 3u

/* Latency of a serial device (see GetCommLatency). */
#define KVTCOMM_LATENCY_NORMAL 0u
#define KVTCOMM_LATENCY_LOW 1u

#define KVTCOMM_PORT_NAME_MAX 255u /* bytes, without the terminating zero */
#define KVTCOMM_BURST_MAX 2048u    /* bytes handed to the callback per call, plus a zero */
#define KVTCOMM_QUEUED_WRITE_MAX 8192u
#define KVTCOMM_DEFAULT_TCP_PORT 10001u

/*
 * Port settings record, passed by value. The port name field holds any Linux device path (up to
 * 255 bytes and a terminating zero); the numeric fields keep the meaning of the unit's documented
 * serial settings: parity 0 none, 1 odd, 2 even, 3 mark, 4 space (any non-zero value also enables
 * parity checking on input); stop bits 0 = one, 1 = one and a half (two on Linux), 2 = two.
 */
typedef struct KVTCommSettings {
    char portName[KVTCOMM_PORT_NAME_MAX + 1];
    uint32_t bitRate;
    uint8_t dataBits;
    uint8_t parity;
    uint8_t stopBits;
    uint8_t reserved;
} KVTCommSettings;

typedef struct KVTCommPort* KVTCommHandle;

/* Runs on the port's receive thread. The bytes are valid only until the callback returns.
 * Bytes are handed over as soon as they are read (at most KVTCOMM_BURST_MAX per call), so one
 * reply may come in several calls; the client assembles it. When the other end hangs up or the
 * device fails, the port stays open but no further calls are made. */
typedef void (*KVTCommCallback)(KVTCommHandle handle, const char* bytes, int32_t length,
                                void* context);

/* Opens and configures the port and starts its receive thread. Returns 0 on failure with the
 * error word set to KVTCOMM_ERROR_OPEN or KVTCOMM_ERROR_UNREACHABLE; GetCommOpenErrorText then
 * says why in words (a permission problem names the dialout group). */
KVTCommHandle OpenComm(KVTCommSettings settings, KVTCommCallback callback, void* context,
                       uint32_t* error);

/* Stops the receive thread (at once, also while it waits for bytes), closes the port and frees
 * the handle; no callback runs after it returns. A null handle is accepted and does nothing.
 * Called from inside the port's own callback, it returns at once and the port is closed when
 * the callback returns. */
void CloseComm(KVTCommHandle handle, uint32_t* error);

/* Mode 0 writes on the calling thread and returns when the bytes are written; a device that
 * takes nothing for 5 s fails the write. Any other mode hands at most 8192 bytes to the receive
 * thread, which writes them, and waits for it (more than 8192 bytes: nothing is sent, the write
 * fails). Calls from several threads never interleave their bytes. A failed or short write is
 * kept as the handle's last write error (3); the sent count grows by the bytes that went out.
 * Returns 0, or 1 with the error word KVTCOMM_ERROR_NO_HANDLE when no handle is given. */
uint32_t WriteCommBuf(KVTCommHandle handle, const void* bytes, uint32_t length, uint32_t mode,
                      uint32_t* error);

/* Polling style: copies up to capacity kept bytes into buffer and returns their number (0 when
 * nothing is waiting). Never blocks for more than a few milliseconds. In callback style nothing is
 * kept and the result is 0. No handle: 0 with the error word KVTCOMM_ERROR_NO_HANDLE.
 * Up to 1 MiB is kept; while that much waits unread the port stops reading the device, so later
 * bytes wait in the driver (whose own queue, on a serial line without flow control, can then
 * overflow) and none is lost here. */
uint32_t ReadCommBuf(KVTCommHandle handle, void* buffer, uint32_t capacity, uint32_t* error);

/* Fills counters (if not null) with: bytes received, 0, bytes sent, 0; the counts wrap at 2^32.
 * Returns the count of bytes sent, or 1 with the error word KVTCOMM_ERROR_NO_HANDLE. */
uint32_t GetCommStats(KVTCommHandle handle, uint32_t counters[4], uint32_t* error);

/* Whether the serial device runs at low latency: KVTCOMM_LATENCY_LOW when its driver took (or
 * already had) the low-latency flag, which USB serial adapters turn into a short latency timer;
 * KVTCOMM_LATENCY_NORMAL for a device without it, a pseudo-terminal, a TCP link or a null handle.
 * timerMs (if not null) gets the adapter's latency timer in ms where the system shows it, else -1.
 * The port asks for low latency when it opens a serial device and puts back what it changed when
 * it closes; with the environment variable KVTCOMM_DEBUG set, the open prints the outcome on
 * standard error. */
uint32_t GetCommLatency(KVTCommHandle handle, int32_t* timerMs);

/* The last write error of the handle: 0 none, KVTCOMM_WRITE_FAILED once a write has failed or
 * been short (it stays set). 0 for a null handle. */
uint32_t GetCommLastWriteError(KVTCommHandle handle);

/* Why the calling thread's last OpenComm failed, in words; empty after a successful open. */
const char* GetCommOpenErrorText(void);

#ifdef __cplusplus
}
#endif

#endif /* KVTCOMM_H */
