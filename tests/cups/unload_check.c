/* A host that unloads the library while a thread that printed lives on:
 * the thread must end cleanly after the unload. The program links neither
 * the library nor libcups, so only the library can have brought libcups in.
 * Usage: vxcl_cups_unload_check path/to/libvxclcmd.so */
#include <dlfcn.h>
#include <pthread.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

typedef int Init(const char *, int, int, double, double, double);

static void *library;
static pthread_mutex_t lock = PTHREAD_MUTEX_INITIALIZER;
static pthread_cond_t changed = PTHREAD_COND_INITIALIZER;
static int stage; /* 1: the thread printed; 2: the library is unloaded */

static void AwaitStage(int wanted) {
  pthread_mutex_lock(&lock);
  while (stage < wanted) pthread_cond_wait(&changed, &lock);
  pthread_mutex_unlock(&lock);
}

static void SetStage(int value) {
  pthread_mutex_lock(&lock);
  stage = value;
  pthread_cond_broadcast(&changed);
  pthread_mutex_unlock(&lock);
}

static void *Printer(void *unused) {
  Init *init = (Init *)dlsym(library, "PrnInit");
  (void)unused;
  /* No such printer; the lookup still asks CUPS. */
  if (!init || init("no such printer", 3, 4, 100.0, 50.0, 0.0) != 3) {
    fprintf(stderr, "PrnInit did not answer 3\n");
    exit(1);
  }
  SetStage(1);
  AwaitStage(2);
  return NULL; /* the thread's data is released here */
}

static int Mapped(const char *name) {
  char line[1024];
  int found = 0;
  FILE *maps = fopen("/proc/self/maps", "r");
  while (maps && fgets(line, sizeof line, maps))
    if (strstr(line, name)) found = 1;
  if (maps) fclose(maps);
  return found;
}

int main(int argc, char **argv) {
  pthread_t thread;
  if (argc != 2) return 2;
  /* Never a real scheduler: nothing listens there. */
  setenv("CUPS_SERVER", "/nonexistent/vxclcmd-unload/cups.sock", 1);
  library = dlopen(argv[1], RTLD_NOW | RTLD_LOCAL);
  if (!library) {
    fprintf(stderr, "%s\n", dlerror());
    return 1;
  }
  pthread_create(&thread, NULL, Printer, NULL);
  AwaitStage(1);
  dlclose(library);
  if (Mapped("libvxclcmd")) {
    fprintf(stderr, "the library stayed loaded\n");
    return 1;
  }
  SetStage(2);
  pthread_join(thread, NULL);
  puts("the thread ended after the unload");
  return 0;
}
