#ifndef APP_PUBLISH_H
#define APP_PUBLISH_H

class Backend;
class QQmlContext;
class TModbus;

// Gives the interface its objects: `backend` and, owned by it, the objects that
// work beside it on the same worker queue, each under its own name. The
// program and the interface tests publish the same set.
void publishObjects(QQmlContext *context, Backend *backend, TModbus *worker);

#endif
