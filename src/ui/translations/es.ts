<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Talvenquist</source>
        <translation>Acerca de Talvenquist</translation>
    </message>
    <message>
        <source>Built with:</source>
        <translation>Construido con:</translation>
    </message>
    <message>
        <source>Finds files and folders by name and contents.</source>
        <translation>Encuentra archivos y carpetas por nombre y contenido.</translation>
    </message>
    <message>
        <source>Build time: %1</source>
        <translation>Fecha de compilación: %1</translation>
    </message>
</context>
<context>
    <name>BackgroundTray</name>
    <message>
        <source>%1 is still running.</source>
        <translation>%1 sigue en ejecución.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>New search</source>
        <translation>Nueva búsqueda</translation>
    </message>
    <message>
        <source>Index: ready</source>
        <translation>Índice: listo</translation>
    </message>
    <message>
        <source>Index: updating...</source>
        <translation>Índice: actualizando...</translation>
    </message>
    <message>
        <source>Index: disabled</source>
        <translation>Índice: desactivado</translation>
    </message>
    <message>
        <source>Talvenquist v%1</source>
        <translation>Talvenquist v%1</translation>
    </message>
    <message>
        <source>Search Parameters</source>
        <translation>Parámetros de búsqueda</translation>
    </message>
    <message>
        <source>Instant Search</source>
        <translation>Búsqueda instantánea</translation>
    </message>
    <message>
        <source>Export Results</source>
        <translation>Exportar resultados</translation>
    </message>
    <message>
        <source>Comma separated</source>
        <translation>Separado por comas</translation>
    </message>
</context>
<context>
    <name>MainWindowActions</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Herramientas</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra de herramientas</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Opciones...</translation>
    </message>
    <message>
        <source>&amp;New Search</source>
        <translation>&amp;Nueva búsqueda</translation>
    </message>
    <message>
        <source>&amp;Close Tab</source>
        <translation>&amp;Cerrar pestaña</translation>
    </message>
    <message>
        <source>&amp;Next Tab</source>
        <translation>Pestaña &amp;siguiente</translation>
    </message>
    <message>
        <source>&amp;Previous Tab</source>
        <translation>Pestaña &amp;anterior</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Manual</translation>
    </message>
    <message>
        <source>&amp;Export Results...</source>
        <translation>&amp;Exportar resultados...</translation>
    </message>
    <message>
        <source>Duplicate search</source>
        <translation>Duplicar búsqueda</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurar</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cor&amp;tar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Seleccionar &amp;todo</translation>
    </message>
    <message>
        <source>Copy &amp;Name</source>
        <translation>Copiar &amp;nombre</translation>
    </message>
    <message>
        <source>Copy &amp;Full Name</source>
        <translation>Copiar nombre &amp;completo</translation>
    </message>
    <message>
        <source>Copy &amp;Path</source>
        <translation>Copiar &amp;ruta</translation>
    </message>
    <message>
        <source>&amp;Case sensitive</source>
        <translation>&amp;Distinguir mayúsculas</translation>
    </message>
    <message>
        <source>&amp;Substring</source>
        <translation>&amp;Subcadena</translation>
    </message>
    <message>
        <source>&amp;Whole word</source>
        <translation>Palabra &amp;completa</translation>
    </message>
    <message>
        <source>&amp;Regex</source>
        <translation>Expresión &amp;regular</translation>
    </message>
    <message>
        <source>&amp;Boolean</source>
        <translation>Expresión &amp;booleana</translation>
    </message>
    <message>
        <source>&amp;Search Parameters</source>
        <translation>&amp;Parámetros de búsqueda</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Barra de herramientas</translation>
    </message>
    <message>
        <source>&amp;Instant Search</source>
        <translation>Búsqueda &amp;instantánea</translation>
    </message>
    <message>
        <source>&amp;Filter Bar</source>
        <translation>Barra de &amp;filtros</translation>
    </message>
</context>
<context>
    <name>PagesTabWidget</name>
    <message>
        <source>New tab</source>
        <translation>Nueva pestaña</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplicar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Close other tabs</source>
        <translation>Cerrar las demás pestañas</translation>
    </message>
</context>
<context>
    <name>TabPage</name>
    <message>
        <source>Found: %1 objects in %2s</source>
        <translation>Encontrados: %1 objetos en %2 s</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Buscando...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hecho</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
</context>
</TS>
