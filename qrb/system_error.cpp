#include "qrb/system_error.h"

#include <cstring>

std::string systemError(int code)
{
    switch (code) {
    case ENOENT: return "нет такого файла или папки";
    case EACCES:
    case EPERM: return "нет прав на доступ";
    case EISDIR: return "это папка, а не файл";
    case ENOTDIR: return "часть пути — не папка";
    case EROFS: return "файловая система доступна только для чтения";
    case ENOSPC: return "на диске не осталось места";
    case EDQUOT: return "превышена дисковая квота";
    case EFBIG: return "файл слишком велик";
    case ELOOP: return "слишком много символических ссылок подряд, или они идут по кругу";
    case EMLINK: return "у файла слишком много жёстких ссылок";
    case ENAMETOOLONG: return "слишком длинное имя";
    case EMFILE:
    case ENFILE: return "открыто слишком много файлов";
    case EBUSY:
    case ETXTBSY: return "файл занят";
    case ENXIO:
    case ENODEV: return "нет такого устройства";
    case EIO: return "ошибка ввода-вывода на устройстве";
    case ENOMEM: return "не хватает памяти";
    default: return "системная ошибка (" + std::string(std::strerror(code)) + ")";
    }
}
