typedef enum tagSceneId {
    SCENE_FIRST = 0x100,
    SCENE_SECOND,
    SCENE_LAST = SCENE_SECOND + 10, /* trailing */
} SceneId;
enum class Res : unsigned { A, B = 1 << 4, C };
#define SCENE_ALIAS SCENE_LAST
