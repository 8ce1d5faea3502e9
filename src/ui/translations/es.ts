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
    <name>Bytes (short)</name>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
</context>
<context>
    <name>EditCategoryDialog</name>
    <message>
        <source>Edit file category</source>
        <translation>Editar categoría de archivos</translation>
    </message>
    <message>
        <source>File category name</source>
        <translation>Nombre de la categoría</translation>
    </message>
    <message>
        <source>File extensions</source>
        <translation>Extensiones de archivo</translation>
    </message>
    <message>
        <source>Extensions without dots, separated by ";"</source>
        <translation>Extensiones sin punto, separadas por ";"</translation>
    </message>
    <message>
        <source>File attributes</source>
        <translation>Atributos de archivo</translation>
    </message>
    <message>
        <source>File or Directory</source>
        <translation>Archivo o carpeta</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Directory</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>Hidden</source>
        <translation>Oculto</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Solo lectura</translation>
    </message>
</context>
<context>
    <name>FileOperation</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>FilePreviewPage</name>
    <message>
        <source>Reading %1...</source>
        <translation>Leyendo %1...</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened.</source>
        <translation>No se puede abrir el archivo %1.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MiB: only its first %1 MiB are shown.</source>
        <translation>El archivo supera %1 MiB: solo se muestran sus primeros %1 MiB.</translation>
    </message>
    <message>
        <source>Word Wrap</source>
        <translation>Ajuste de línea</translation>
    </message>
    <message>
        <source>File text</source>
        <translation>Texto del archivo</translation>
    </message>
    <message>
        <source>Lines longer than %1 characters are cut.</source>
        <translation>Las líneas de más de %1 caracteres se recortan.</translation>
    </message>
</context>
<context>
    <name>FilePropertiesDialog</name>
    <message numerus="yes">
        <source>%n items</source>
        <translation>
            <numerusform>%n elemento</numerusform>
            <numerusform>%n elementos</numerusform>
        </translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation>Carpeta:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Tamaño:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Created:</source>
        <translation>Creado:</translation>
    </message>
    <message>
        <source>Modified:</source>
        <translation>Modificado:</translation>
    </message>
    <message>
        <source>Accessed:</source>
        <translation>Último acceso:</translation>
    </message>
    <message>
        <source>Owner:</source>
        <translation>Propietario:</translation>
    </message>
    <message>
        <source>Permissions:</source>
        <translation>Permisos:</translation>
    </message>
    <message>
        <source>Properties of %1</source>
        <translation>Propiedades de %1</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Propiedades</translation>
    </message>
</context>
<context>
    <name>FileTable</name>
    <message>
        <source>Reading file data and sorting...</source>
        <translation>Leyendo datos de archivos y ordenando...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Sorting</source>
        <translation>Ordenando</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>KB</translation>
    </message>
    <message>
        <source>A name cannot contain "/" or be "." or "..".</source>
        <translation>Un nombre no puede contener "/" ni ser "." o "..".</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Cambiar nombre</translation>
    </message>
    <message>
        <source>Cannot rename "%1" to "%2":
%3</source>
        <translation>No se puede cambiar el nombre de "%1" a "%2":
%3</translation>
    </message>
</context>
<context>
    <name>FileTableColumns</name>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Ruta</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Creado</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Modificado</translation>
    </message>
    <message>
        <source>Last Accessed</source>
        <translation>Último acceso</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>Coincidencias</translation>
    </message>
</context>
<context>
    <name>FileTableView</name>
    <message>
        <source>Do you really want to sort %1 items?
Gathering data and sorting could take several minutes.</source>
        <translation>¿Seguro que desea ordenar %1 elementos?
Reunir los datos y ordenarlos puede tardar varios minutos.</translation>
    </message>
    <message>
        <source>Search results</source>
        <translation>Resultados de la búsqueda</translation>
    </message>
</context>
<context>
    <name>FilterBar</name>
    <message>
        <source>All</source>
        <translation>Todo</translation>
    </message>
    <message>
        <source>Directory</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>Document</source>
        <translation>Documento</translation>
    </message>
    <message>
        <source>Executable</source>
        <translation>Ejecutable</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Música</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vídeo</translation>
    </message>
    <message>
        <source>Customize...</source>
        <translation>Personalizar...</translation>
    </message>
    <message>
        <source>File categories</source>
        <translation>Categorías de archivos</translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>Not found</source>
        <translation>No encontrado</translation>
    </message>
    <message>
        <source>Find...</source>
        <translation>Buscar...</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Find the next occurrence (F3)</source>
        <translation>Buscar la siguiente aparición (F3)</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Find the previous occurrence (Shift+F3)</source>
        <translation>Buscar la aparición anterior (Mayús+F3)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Close the find bar (Esc)</source>
        <translation>Cerrar la barra de búsqueda (Esc)</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Text to find</source>
        <translation>Texto que buscar</translation>
    </message>
    <message>
        <source>Match case</source>
        <translation>Coincidir mayúsculas</translation>
    </message>
</context>
<context>
    <name>InstantToolBar</name>
    <message>
        <source>Insert a keyword</source>
        <translation>Insertar una palabra clave</translation>
    </message>
    <message>
        <source>Edit the name list</source>
        <translation>Editar la lista de nombres</translation>
    </message>
    <message>
        <source>Instant Search</source>
        <translation>Búsqueda instantánea</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Nombre de archivo</translation>
    </message>
    <message>
        <source>Expression type</source>
        <translation>Tipo de expresión</translation>
    </message>
</context>
<context>
    <name>LocationPane</name>
    <message>
        <source>Location of the matches in the file</source>
        <translation>Ubicación de las coincidencias en el archivo</translation>
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
    <message>
        <source>The results were exported to %1.</source>
        <translation>Los resultados se exportaron a %1.</translation>
    </message>
    <message>
        <source>The results could not be exported to %1.</source>
        <translation>No se pudieron exportar los resultados a %1.</translation>
    </message>
    <message>
        <source>Index: service not running</source>
        <translation>Índice: el servicio no está en ejecución</translation>
    </message>
    <message>
        <source>The index service is of another version of Talvenquist: searches walk folders. Restart it (systemctl restart talvenquist-indexd).</source>
        <translation>El servicio de índice es de otra versión de Talvenquist: las búsquedas recorren las carpetas. Reinícielo (systemctl restart talvenquist-indexd).</translation>
    </message>
    <message>
        <source>The index service is not running: searches walk folders. Turn it on in Options, Indexing.</source>
        <translation>El servicio de índice no está en ejecución: las búsquedas recorren las carpetas. Actívelo en Opciones, Indexación.</translation>
    </message>
    <message>
        <source>The index service took the change.</source>
        <translation>El servicio de índice aceptó el cambio.</translation>
    </message>
    <message>
        <source>The index service is not running: this window keeps an index of its own. Turn the service on in Options, Indexing.</source>
        <translation>El servicio de índice no está en ejecución: esta ventana mantiene un índice propio. Active el servicio en Opciones, Indexación.</translation>
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
    <message>
        <source>Move to T&amp;rash</source>
        <translation>Mover a la pape&amp;lera</translation>
    </message>
</context>
<context>
    <name>MatchesTextView</name>
    <message>
        <source>Only the first %1 matches are shown.</source>
        <translation>Solo se muestran las primeras %1 coincidencias.</translation>
    </message>
    <message>
        <source>Full line</source>
        <translation>Línea completa</translation>
    </message>
    <message>
        <source>Matching lines</source>
        <translation>Líneas coincidentes</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Do you really want to clear search history?</source>
        <translation>¿Seguro que desea borrar el historial de búsqueda?</translation>
    </message>
    <message>
        <source>File database path:</source>
        <translation>Ruta de la base de datos de archivos:</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Páginas</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Indexing</source>
        <translation>Indexación</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Búsqueda</translation>
    </message>
    <message>
        <source>File categories</source>
        <translation>Categorías de archivos</translation>
    </message>
    <message>
        <source>File handlers</source>
        <translation>Controladores de archivos</translation>
    </message>
    <message>
        <source>Indexing is unavailable when %1 is running without administrator permissions.</source>
        <translation>La indexación no está disponible cuando %1 se ejecuta sin permisos de administrador.</translation>
    </message>
</context>
<context>
    <name>OptionsGeneral</name>
    <message>
        <source>Launch at system startup</source>
        <translation>Iniciar con el sistema</translation>
    </message>
    <message>
        <source>Run in background</source>
        <translation>Ejecutar en segundo plano</translation>
    </message>
    <message>
        <source>Integrate in a folder's context menu</source>
        <translation>Integrar en el menú contextual de las carpetas</translation>
    </message>
    <message>
        <source>Start without asking for the administrator password</source>
        <translation>Iniciar sin pedir la contraseña de administrador</translation>
    </message>
    <message>
        <source>Save searches in all tabs on exit</source>
        <translation>Guardar las búsquedas de todas las pestañas al salir</translation>
    </message>
    <message>
        <source>Clear search history</source>
        <translation>Borrar el historial de búsqueda</translation>
    </message>
</context>
<context>
    <name>OptionsIndexing</name>
    <message>
        <source>File database path:</source>
        <translation>Ruta de la base de datos de archivos:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Examinar...</translation>
    </message>
    <message>
        <source>Rebuild</source>
        <translation>Reconstruir</translation>
    </message>
    <message>
        <source>Automatically index new fixed drives</source>
        <translation>Indexar automáticamente las nuevas unidades fijas</translation>
    </message>
    <message>
        <source>Automatically index new removable drives</source>
        <translation>Indexar automáticamente las nuevas unidades extraíbles</translation>
    </message>
    <message>
        <source>Index the following volumes:</source>
        <translation>Indexar los siguientes volúmenes:</translation>
    </message>
    <message>
        <source>Mount point</source>
        <translation>Punto de montaje</translation>
    </message>
    <message>
        <source>Objects count</source>
        <translation>Número de objetos</translation>
    </message>
    <message>
        <source>Exclude paths:</source>
        <translation>Excluir rutas:</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Ruta</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Agregar</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>File system</source>
        <translation>Sistema de archivos</translation>
    </message>
    <message>
        <source>Keep an index of all volumes for all users (system service)</source>
        <translation>Mantener un índice de todos los volúmenes para todos los usuarios (servicio del sistema)</translation>
    </message>
</context>
<context>
    <name>OptionsPageCategories</name>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Extensions</source>
        <translation>Extensiones</translation>
    </message>
    <message>
        <source>Attributes</source>
        <translation>Atributos</translation>
    </message>
    <message>
        <source>File categories</source>
        <translation>Categorías de archivos</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Agregar</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Restablecer</translation>
    </message>
</context>
<context>
    <name>OptionsPageFilters</name>
    <message>
        <source>This filter is disabled</source>
        <translation>Este filtro está desactivado</translation>
    </message>
    <message>
        <source>Disable filter</source>
        <translation>Desactivar filtro</translation>
    </message>
    <message>
        <source>Enable filters</source>
        <translation>Activar filtros</translation>
    </message>
    <message>
        <source>Document filters available on this computer.</source>
        <translation>Filtros de documentos disponibles en este equipo.</translation>
    </message>
    <message>
        <source>32-bit</source>
        <translation>32 bits</translation>
    </message>
    <message>
        <source>64-bit</source>
        <translation>64 bits</translation>
    </message>
    <message>
        <source>Extension</source>
        <translation>Extensión</translation>
    </message>
    <message>
        <source>Handler name</source>
        <translation>Nombre del controlador</translation>
    </message>
</context>
<context>
    <name>OptionsSearch</name>
    <message>
        <source>Content search</source>
        <translation>Búsqueda en el contenido</translation>
    </message>
    <message>
        <source>Auto-detect encoding of files without BOM</source>
        <translation>Detectar automáticamente la codificación de los archivos sin BOM</translation>
    </message>
    <message>
        <source>Auto-detect and skip binary files from content searches</source>
        <translation>Detectar y omitir automáticamente los archivos binarios en las búsquedas de contenido</translation>
    </message>
    <message>
        <source>Use built-in PDF converter</source>
        <translation>Usar el convertidor de PDF integrado</translation>
    </message>
    <message>
        <source>Search as you type</source>
        <translation>Buscar mientras se escribe</translation>
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
    <name>PreviewTabWidget</name>
    <message>
        <source>Matches</source>
        <translation>Coincidencias</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
</context>
<context>
    <name>RichComboBox</name>
    <message>
        <source>And</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>Or</source>
        <translation>O</translation>
    </message>
    <message>
        <source>Not</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>SearchWindow</name>
    <message>
        <source>Search Parameters</source>
        <translation>Parámetros de búsqueda</translation>
    </message>
    <message>
        <source>File name:</source>
        <translation>Nombre de archivo:</translation>
    </message>
    <message>
        <source>Expression type:</source>
        <translation>Tipo de expresión:</translation>
    </message>
    <message>
        <source>Scope:</source>
        <translation>Ámbito:</translation>
    </message>
    <message>
        <source>and</source>
        <translation>y</translation>
    </message>
    <message>
        <source>Case sensitive</source>
        <translation>Distinguir mayúsculas</translation>
    </message>
    <message>
        <source>In directory</source>
        <translation>En la carpeta</translation>
    </message>
    <message>
        <source>Include subfolders</source>
        <translation>Incluir subcarpetas</translation>
    </message>
    <message>
        <source>In contents</source>
        <translation>En el contenido</translation>
    </message>
    <message>
        <source>Modified between</source>
        <translation>Modificado entre</translation>
    </message>
    <message>
        <source>Size range</source>
        <translation>Rango de tamaño</translation>
    </message>
    <message>
        <source>Show advanced options</source>
        <translation>Mostrar opciones avanzadas</translation>
    </message>
    <message>
        <source>Substring</source>
        <translation>Subcadena</translation>
    </message>
    <message>
        <source>Whole word</source>
        <translation>Palabra completa</translation>
    </message>
    <message>
        <source>Regex</source>
        <translation>Expresión regular</translation>
    </message>
    <message>
        <source>Boolean</source>
        <translation>Expresión booleana</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Línea</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>KB</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>GB</source>
        <translation>GB</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Nombre de archivo</translation>
    </message>
    <message>
        <source>File name expression type</source>
        <translation>Tipo de expresión del nombre</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Carpetas</translation>
    </message>
    <message>
        <source>Contents text</source>
        <translation>Texto del contenido</translation>
    </message>
    <message>
        <source>Contents expression type</source>
        <translation>Tipo de expresión del contenido</translation>
    </message>
    <message>
        <source>Scope</source>
        <translation>Ámbito</translation>
    </message>
    <message>
        <source>Modified on or after</source>
        <translation>Modificado desde</translation>
    </message>
    <message>
        <source>Modified on or before</source>
        <translation>Modificado hasta</translation>
    </message>
    <message>
        <source>Minimum size</source>
        <translation>Tamaño mínimo</translation>
    </message>
    <message>
        <source>Maximum size</source>
        <translation>Tamaño máximo</translation>
    </message>
    <message>
        <source>Size unit</source>
        <translation>Unidad de tamaño</translation>
    </message>
    <message>
        <source>Search progress</source>
        <translation>Progreso de la búsqueda</translation>
    </message>
    <message>
        <source>Edit the folder list</source>
        <translation>Editar la lista de carpetas</translation>
    </message>
    <message>
        <source>Insert a keyword</source>
        <translation>Insertar una palabra clave</translation>
    </message>
    <message>
        <source>Edit the file name list</source>
        <translation>Editar la lista de nombres de archivo</translation>
    </message>
    <message>
        <source>Edit the contents list</source>
        <translation>Editar la lista de contenido</translation>
    </message>
</context>
<context>
    <name>SelectFileNamesDialog</name>
    <message>
        <source>Select contents text</source>
        <translation>Seleccionar texto del contenido</translation>
    </message>
    <message>
        <source>Include text:</source>
        <translation>Texto incluido:</translation>
    </message>
    <message>
        <source>Exclude text:</source>
        <translation>Texto excluido:</translation>
    </message>
    <message>
        <source>Select file names</source>
        <translation>Seleccionar nombres de archivo</translation>
    </message>
    <message>
        <source>Include file names:</source>
        <translation>Nombres de archivo incluidos:</translation>
    </message>
    <message>
        <source>Exclude file names:</source>
        <translation>Nombres de archivo excluidos:</translation>
    </message>
</context>
<context>
    <name>SelectPathsDialog</name>
    <message>
        <source>Select folder</source>
        <translation>Seleccionar carpeta</translation>
    </message>
    <message>
        <source>Select folders</source>
        <translation>Seleccionar carpetas</translation>
    </message>
    <message>
        <source>Include folder list:</source>
        <translation>Carpetas incluidas:</translation>
    </message>
    <message>
        <source>Exclude folder list:</source>
        <translation>Carpetas excluidas:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Examinar...</translation>
    </message>
    <message>
        <source>Add a folder to include</source>
        <translation>Añadir una carpeta que incluir</translation>
    </message>
    <message>
        <source>Add a folder to exclude</source>
        <translation>Añadir una carpeta que excluir</translation>
    </message>
</context>
<context>
    <name>ShellContextMenu</name>
    <message>
        <source>Open file location</source>
        <translation>Abrir la ubicación del archivo</translation>
    </message>
    <message>
        <source>Copy full name</source>
        <translation>Copiar nombre completo</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
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
        <source>&amp;Rename...</source>
        <translation>Cambiar &amp;nombre...</translation>
    </message>
    <message>
        <source>Move to T&amp;rash</source>
        <translation>Mover a la pape&amp;lera</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>&amp;Propiedades</translation>
    </message>
    <message>
        <source>Open &amp;With</source>
        <translation>Abrir c&amp;on</translation>
    </message>
</context>
<context>
    <name>ShellUtils</name>
    <message numerus="yes">
        <source>Do you really want to delete %n item(s) permanently? This cannot be undone.</source>
        <translation>
            <numerusform>¿Seguro que desea eliminar permanentemente %n elemento? Esta acción no se puede deshacer.</numerusform>
            <numerusform>¿Seguro que desea eliminar permanentemente %n elementos? Esta acción no se puede deshacer.</numerusform>
        </translation>
    </message>
    <message>
        <source>Deleting...</source>
        <translation>Eliminando...</translation>
    </message>
    <message>
        <source>These items could not be deleted:</source>
        <translation>No se pudieron eliminar estos elementos:</translation>
    </message>
    <message>
        <source>Moving to the trash...</source>
        <translation>Moviendo a la papelera...</translation>
    </message>
    <message>
        <source>The desktop session could not be reached.</source>
        <translation>No se pudo contactar con la sesión del escritorio.</translation>
    </message>
    <message>
        <source>It is still there.</source>
        <translation>Sigue estando ahí.</translation>
    </message>
    <message>
        <source>These items could not be moved to the trash:</source>
        <translation>No se pudieron mover estos elementos a la papelera:</translation>
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
    <message>
        <source>Substring</source>
        <translation>Subcadena</translation>
    </message>
    <message>
        <source>Whole word</source>
        <translation>Palabra completa</translation>
    </message>
    <message>
        <source>Regex</source>
        <translation>Expresión regular</translation>
    </message>
    <message>
        <source>Boolean</source>
        <translation>Expresión booleana</translation>
    </message>
    <message>
        <source>Case sensitive</source>
        <translation>Distinguir mayúsculas</translation>
    </message>
    <message>
        <source>(incomplete: the search could not look everywhere)</source>
        <translation>(incompleto: la búsqueda no pudo mirar en todas partes)</translation>
    </message>
</context>
<context>
    <name>TaskScheduler</name>
    <message>
        <source>Search with %1...</source>
        <translation>Buscar con %1...</translation>
    </message>
</context>
<context>
    <name>Trash</name>
    <message>
        <source>There is no trash for it on its file system.</source>
        <translation>No hay papelera para él en su sistema de archivos.</translation>
    </message>
    <message>
        <source>Its owner (user %1) has no home folder to keep a trash in.</source>
        <translation>Su propietario (usuario %1) no tiene carpeta personal para una papelera.</translation>
    </message>
    <message>
        <source>Only an administrator may use another user's trash.</source>
        <translation>Solo un administrador puede usar la papelera de otro usuario.</translation>
    </message>
</context>
<context>
    <name>IndexServiceAdmin</name>
    <message>
        <source>This computer does not run systemd, so the index service cannot be turned on here.</source>
        <translation>Este equipo no usa systemd, así que aquí no se puede activar el servicio de índice.</translation>
    </message>
    <message>
        <source>pkexec could not be started.</source>
        <translation>No se pudo iniciar pkexec.</translation>
    </message>
    <message>
        <source>The task run with administrator rights ended unexpectedly.</source>
        <translation>La tarea ejecutada con derechos de administrador terminó inesperadamente.</translation>
    </message>
    <message>
        <source>The administrator password was not given.</source>
        <translation>No se introdujo la contraseña de administrador.</translation>
    </message>
    <message>
        <source>The index service refused the change; the log says why.</source>
        <translation>El servicio de índice rechazó el cambio; el registro indica el motivo.</translation>
    </message>
</context>
</TS>
