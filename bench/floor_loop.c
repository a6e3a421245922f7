/* The floor of a listing: reads a directory once, then opens every file, reads its first 4 KB and closes
 * it, on THREADS threads that take the files in turn. Nothing is parsed or printed.
 * Usage: floor_loop DIR [THREADS] */
#define _GNU_SOURCE
#include <dirent.h>
#include <fcntl.h>
#include <pthread.h>
#include <stdatomic.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

static char **paths;
static size_t pathCount;
static atomic_size_t nextPath;

static void *readFiles(void *unused)
{
    (void)unused;
    char buffer[4096];
    for (;;) {
        const size_t i = atomic_fetch_add(&nextPath, 1);
        if (i >= pathCount)
            return NULL;
        const int descriptor = open(paths[i], O_RDONLY | O_CLOEXEC);
        if (descriptor < 0)
            continue;
        if (pread(descriptor, buffer, sizeof buffer, 0) < 0)
            perror(paths[i]);
        close(descriptor);
    }
}

int main(int argc, char **argv)
{
    if (argc < 2) {
        fprintf(stderr, "usage: floor_loop DIR [THREADS]\n");
        return 2;
    }
    const int threads = argc > 2 ? atoi(argv[2]) : 1;
    DIR *dir = opendir(argv[1]);
    if (!dir) {
        perror(argv[1]);
        return 1;
    }
    size_t capacity = 1024;
    paths = malloc(capacity * sizeof *paths);
    const struct dirent *entry;
    while ((entry = readdir(dir))) {
        if (entry->d_type == DT_DIR)
            continue;
        if (pathCount == capacity)
            paths = realloc(paths, (capacity *= 2) * sizeof *paths);
        if (asprintf(&paths[pathCount], "%s/%s", argv[1], entry->d_name) < 0)
            return 1;
        ++pathCount;
    }
    closedir(dir);
    pthread_t workers[64];
    const int count = threads < 1 ? 1 : threads > 64 ? 64 : threads;
    for (int i = 0; i < count; ++i)
        pthread_create(&workers[i], NULL, readFiles, NULL);
    for (int i = 0; i < count; ++i)
        pthread_join(workers[i], NULL);
    return 0;
}
