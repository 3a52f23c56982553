<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Bathyra</name>
    <message>
        <location filename="../bathyra.ui" line="+14"/>
        <source>Bathyra</source>
        <translation>Bathyra</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Load...</source>
        <translation>Cargar...</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+1944"/>
        <source>Load all model/dive parameters from a *.div file.&lt;br&gt;[Ctrl+L]</source>
        <translation>Cargar todos los parámetros del modelo y de la inmersión desde un archivo *.div.&lt;br&gt;[Ctrl+L]</translation>
    </message>
    <message>
        <location line="-1937"/>
        <source>Save...</source>
        <translation>Guardar...</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+1948"/>
        <source>Save all model/dive parameters into a *.div file.&lt;br&gt;[Ctrl+S]</source>
        <translation>Guardar todos los parámetros del modelo y de la inmersión en un archivo *.div.&lt;br&gt;[Ctrl+S]</translation>
    </message>
    <message>
        <location line="-1941"/>
        <source>Download</source>
        <translation>Descargar</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+1968"/>
        <source>Read configuration (customtext, model, gas, setpoints, and all CFs) from OSTC.</source>
        <translation>Leer la configuración (texto propio, modelo, gases, setpoints y todas las CF) del OSTC.</translation>
    </message>
    <message>
        <location line="-1961"/>
        <source>Edit CF...</source>
        <translation>Editar CF...</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+1969"/>
        <source>Edit custom text and all &lt;i&gt;custom functions&lt;/i&gt;.</source>
        <translation>Editar el texto propio y todas las &lt;i&gt;funciones personalizadas&lt;/i&gt;.</translation>
    </message>
    <message>
        <location line="-1962"/>
        <source>Upload CF</source>
        <translation>Enviar CF</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+1970"/>
        <source>Write configuration (customtext, model, gas, setpoints, and all CFs) to OSTC.</source>
        <translation>Escribir la configuración (texto propio, modelo, gases, setpoints y todas las CF) en el OSTC.</translation>
    </message>
    <message>
        <location line="-1963"/>
        <source> Screen Dump</source>
        <translation> Captura</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Download a copy of OSTC screen, and save to disk.</source>
        <translation>Descargar una copia de la pantalla del OSTC y guardarla en disco.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Upgrade</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Upgrade OSTC firmware.</source>
        <translation>Actualizar el firmware del OSTC.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Date &amp;&amp; Time</source>
        <translation>Fecha y hora</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Set OSTC date and time to your computer&apos;s time.</source>
        <translation>Poner la fecha y la hora del OSTC a la hora del ordenador.</translation>
    </message>
    <message>
        <location line="+26"/>
        <location line="+1861"/>
        <source>Settings...</source>
        <translation>Ajustes...</translation>
    </message>
    <message>
        <location line="-1854"/>
        <location line="+1970"/>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <location line="-1967"/>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+1965"/>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <location line="-1958"/>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Decompression Model:</source>
        <translation>Modelo de descompresión:</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Bühlmann</source>
        <translation>Bühlmann</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Sat:</source>
        <translation>Sat.:</translation>
    </message>
    <message>
        <location line="+22"/>
        <location line="+32"/>
        <location line="+42"/>
        <location line="+35"/>
        <location line="+106"/>
        <location line="+29"/>
        <location line="+82"/>
        <location line="+29"/>
        <location line="+82"/>
        <location line="+29"/>
        <location line="+82"/>
        <location line="+29"/>
        <location line="+82"/>
        <location line="+29"/>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <location line="-685"/>
        <source>Saturation multiplier (CF11).</source>
        <translation>Factor de saturación (CF11).</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Desat:</source>
        <translation>Desat.:</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Desaturation multiplier (CF12).</source>
        <translation>Factor de desaturación (CF12).</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Gradient Factor</source>
        <translation>Factor de gradiente</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Low:</source>
        <translation>Bajo:</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Gradient factor low (CF32).</source>
        <translation>Factor de gradiente bajo (CF32).</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>High:</source>
        <translation>Alto:</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Gradient factor high (CF33).</source>
        <translation>Factor de gradiente alto (CF33).</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>OC</source>
        <translation>OC</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>CCR</source>
        <translation>CCR</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Gas List:</source>
        <translation>Lista de gases:</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Gas 1</source>
        <translation>Gas 1</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+114"/>
        <location line="+111"/>
        <location line="+111"/>
        <location line="+111"/>
        <source>first</source>
        <translation>primero</translation>
    </message>
    <message>
        <location line="-437"/>
        <location line="+111"/>
        <location line="+111"/>
        <location line="+111"/>
        <location line="+111"/>
        <source>O2:</source>
        <translation>O2:</translation>
    </message>
    <message>
        <location line="-415"/>
        <location line="+111"/>
        <location line="+111"/>
        <location line="+111"/>
        <location line="+111"/>
        <source>He:</source>
        <translation>He:</translation>
    </message>
    <message>
        <location line="-415"/>
        <location line="+111"/>
        <location line="+111"/>
        <location line="+111"/>
        <location line="+111"/>
        <source>at</source>
        <translation>a</translation>
    </message>
    <message>
        <location line="-422"/>
        <location line="+111"/>
        <location line="+111"/>
        <location line="+111"/>
        <location line="+111"/>
        <location line="+262"/>
        <location line="+35"/>
        <location line="+306"/>
        <source> m</source>
        <translation> m</translation>
    </message>
    <message>
        <location line="-1040"/>
        <location line="+111"/>
        <location line="+111"/>
        <location line="+111"/>
        <location line="+111"/>
        <source>MOD: 66m, EAD: ---, END: ---</source>
        <translation>MOD: 66m, EAD: ---, END: ---</translation>
    </message>
    <message>
        <location line="-437"/>
        <source>Gas 2</source>
        <translation>Gas 2</translation>
    </message>
    <message>
        <location line="+111"/>
        <source>Gas 3</source>
        <translation>Gas 3</translation>
    </message>
    <message>
        <location line="+111"/>
        <source>Gas 4</source>
        <translation>Gas 4</translation>
    </message>
    <message>
        <location line="+111"/>
        <source>Gas 5</source>
        <translation>Gas 5</translation>
    </message>
    <message>
        <location line="+111"/>
        <source>Gas switch delay:</source>
        <translation>Espera cambio de gas:</translation>
    </message>
    <message>
        <location line="+22"/>
        <location line="+293"/>
        <location line="+172"/>
        <location line="+73"/>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <location line="-535"/>
        <location line="+293"/>
        <source>None</source>
        <translation>No</translation>
    </message>
    <message>
        <location line="-290"/>
        <source>Time to wait at a gas switch (CF55).</source>
        <translation>Tiempo de espera en un cambio de gas (CF55).</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>CCR Setpoints:</source>
        <translation>Setpoints CCR:</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>SP1:</source>
        <translation>SP1:</translation>
    </message>
    <message>
        <location line="+25"/>
        <location line="+35"/>
        <location line="+35"/>
        <location line="+195"/>
        <source> bar</source>
        <translation> bar</translation>
    </message>
    <message>
        <location line="-255"/>
        <source>SP2:</source>
        <translation>SP2:</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>SP3:</source>
        <translation>SP3:</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>Adjust fixed SP (CF39)</source>
        <translation>Ajustar SP fijo (CF39)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Dil 21/00, MOD: 40m, EAD: ---, END: ---</source>
        <translation>Dil 21/00, MOD: 40m, EAD: ---, END: ---</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Other OSTC dive settings:</source>
        <translation>Otros ajustes de inmersión del OSTC:</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Deco offset:</source>
        <translation>Distancia deco:</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Deco distance (CF16).</source>
        <translation>Distancia de deco (CF16).</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Last stop:</source>
        <translation>Última parada:</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Depth of the last stop (CF29).</source>
        <translation>Profundidad de la última parada (CF29).</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Future TTS:</source>
        <translation>TTS futuro:</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Time to surface after staying this much longer (CF58).</source>
        <translation>Tiempo hasta superficie si se permanece este tiempo más (CF58).</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>ppO2 max:</source>
        <translation>ppO2 máx.:</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Highest ppO2 of a gas, used for its MOD (CF18).</source>
        <translation>ppO2 máxima de un gas, usada para su MOD (CF18).</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Bottom gas:</source>
        <translation>Consumo fondo:</translation>
    </message>
    <message>
        <location line="+22"/>
        <location line="+32"/>
        <source> l/min</source>
        <translation> l/min</translation>
    </message>
    <message>
        <location line="-29"/>
        <source>Gas usage at the bottom (CF56).</source>
        <translation>Consumo de gas en el fondo (CF56).</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Ascent gas:</source>
        <translation>Consumo ascenso:</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Gas usage during the ascent (CF57).</source>
        <translation>Consumo de gas durante el ascenso (CF57).</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Shallowest stop first (CF54)</source>
        <translation>Parada más somera primero (CF54)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Dive planning:</source>
        <translation>Planificación de la inmersión:</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Interval:</source>
        <translation>Intervalo:</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Reset</source>
        <translation>Nueva</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Surface interval before this dive; &lt;i&gt;Reset&lt;/i&gt; starts a new dive.</source>
        <translation>Intervalo en superficie antes de esta inmersión; &lt;i&gt;Nueva&lt;/i&gt; empieza una inmersión nueva.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Surface:</source>
        <translation>Superficie:</translation>
    </message>
    <message>
        <location line="+22"/>
        <source> mbar</source>
        <translation> mbar</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Atmospheric pressure at the surface.</source>
        <translation>Presión atmosférica en la superficie.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Bottom time:</source>
        <translation>Tiempo de fondo:</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Depth:</source>
        <translation>Profundidad:</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Ascent:</source>
        <translation>Ascenso:</translation>
    </message>
    <message>
        <location line="+22"/>
        <source> m/min</source>
        <translation> m/min</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ascent speed.</source>
        <translation>Velocidad de ascenso.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Replay mode</source>
        <translation>Modo reproducción</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Simulate</source>
        <translation>Simular</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Gas volumes</source>
        <translation>Volúmenes de gas</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Ascent</source>
        <translation>Ascenso</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Plan sheet...</source>
        <translation>Hoja del plan...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The plan with its contingencies (deeper, longer, a gas lost, bail-out) on one printable slate, and the plan files.</source>
        <translation>El plan con sus contingencias (más profundo, más largo, un gas perdido, bail-out) en una pizarra imprimible, y los archivos del plan.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Replay dive</source>
        <translation>Reproducir inmersión</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Break on stops</source>
        <translation>Pausa en paradas</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Gas switches</source>
        <translation>Cambios de gas</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Break on gas switch</source>
        <translation>Pausa en cambio de gas</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Setpoint changes</source>
        <translation>Cambios de setpoint</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Break on setpoint change</source>
        <translation>Pausa en cambio de setpoint</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Recorded ppO2</source>
        <translation>ppO2 registrada</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Edit profile...</source>
        <translation>Editar perfil...</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Run</source>
        <translation>Ejecutar</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Graphic output:</source>
        <translation>Salida gráfica:</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Depth</source>
        <translation>Profundidad</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Ceiling</source>
        <translation>Techo</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Stop</source>
        <translation>Parada</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Lead Tissue</source>
        <translation>Tejido guía</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>GF</source>
        <translation>GF</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>ppO2</source>
        <translation>ppO2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>CNS O2</source>
        <translation>CNS O2</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Add runtime</source>
        <translation>Añadir runtime</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Pressure diagram</source>
        <translation>Diagrama de presión</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Clear profile</source>
        <translation>Borrar perfil</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&amp;OSTC</source>
        <translation>&amp;OSTC</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Planning</source>
        <translation>&amp;Planificación</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>&amp;Load...</source>
        <translation>&amp;Cargar...</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Save...</source>
        <translation>&amp;Guardar...</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Download</source>
        <translation>&amp;Descargar</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&amp;Edit CF...</source>
        <translation>&amp;Editar CF...</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&amp;Upload CF</source>
        <translation>E&amp;nviar CF</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Set Date &amp;&amp; Time</source>
        <translation>Ajustar fecha y hora</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Set OSTC Date and Time.</source>
        <translation>Ajustar la fecha y la hora del OSTC.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Simulate</source>
        <translation>&amp;Simular</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>1. Make a time/depth simulation segment.</source>
        <translation>1. Simular un tramo de tiempo/profundidad.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Return</source>
        <translation>Return</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Gas &amp;volumes</source>
        <translation>&amp;Volúmenes de gas</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>2. Recompute decoplaning from here, and evaluate gas consumptions for each tank.&lt;br&gt;&lt;b&gt;Note&lt;/b&gt;: You can change gas list and test different runtimes.&lt;br&gt;&lt;b&gt;Note&lt;/b&gt;: In CCR mode, switch to BAILOUT escape runtime, hence &lt;i&gt;Add runtime&lt;/i&gt; will now plot bailout escape decoplaning.</source>
        <translation>2. Recalcular el plan de descompresión desde aquí y evaluar el consumo de gas de cada botella.&lt;br&gt;&lt;b&gt;Nota&lt;/b&gt;: puede cambiar la lista de gases y probar distintos runtimes.&lt;br&gt;&lt;b&gt;Nota&lt;/b&gt;: en modo CCR se pasa al runtime de escape BAILOUT, así &lt;i&gt;Añadir runtime&lt;/i&gt; dibujará el plan de descompresión de bailout.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Ascent</source>
        <translation>&amp;Ascenso</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>3. Simulate an automatic ascent, obeying dynamically recomputed stops and gas changes.</source>
        <translation>3. Simular un ascenso automático que respeta las paradas y cambios de gas recalculados dinámicamente.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Add &amp;runtime</source>
        <translation>Añadir &amp;runtime</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Add instant decoplan runtime to diagram (should be done after a &lt;i&gt;Simulate&lt;/i&gt; or &lt;i&gt;Gas Volumes&lt;/i&gt;).</source>
        <translation>Añadir al diagrama el runtime del plan de deco actual (tras &lt;i&gt;Simular&lt;/i&gt; o &lt;i&gt;Volúmenes de gas&lt;/i&gt;).</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Clear profile</source>
        <translation>&amp;Borrar perfil</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Remove all curves from dive profile.</source>
        <translation>Quitar todas las curvas del perfil de inmersión.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Plan &amp;sheet...</source>
        <translation>&amp;Hoja del plan...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The plan with its contingencies on one printable slate, and the plan files.</source>
        <translation>El plan con sus contingencias en una pizarra imprimible, y los archivos del plan.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Pressure &amp;diagram</source>
        <translation>&amp;Diagrama de presión</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Plot tissues N2+He tensions during &lt;i&gt;Simulate&lt;/i&gt; or &lt;i&gt;Ascent&lt;/i&gt; in a separated window.</source>
        <translation>Dibujar las tensiones N2+He de los tejidos durante &lt;i&gt;Simular&lt;/i&gt; o &lt;i&gt;Ascenso&lt;/i&gt; en una ventana aparte.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Check updates</source>
        <translation>Buscar actualizaciones</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Check for new Bathyra and firmware updates.</source>
        <translation>Buscar nuevas versiones de Bathyra y del firmware.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Run script...</source>
        <translation>Ejecutar script...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Run an &lt;i&gt;Bathyra&lt;/i&gt;&apos;s script.</source>
        <translation>Ejecutar un script de &lt;i&gt;Bathyra&lt;/i&gt;.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Run all tests...</source>
        <translation>Ejecutar todas las pruebas...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Run all validation tests, and save HTML reports.</source>
        <translation>Ejecutar todas las pruebas de validación y guardar los informes HTML.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Stop script</source>
        <translation>Detener script</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Stop the running script or tests.</source>
        <translation>Detener el script o las pruebas en curso.</translation>
    </message>
</context>
<context>
    <name>BathyraApplication</name>
    <message>
        <location filename="../../app/application.cpp" line="+35"/>
        <source>Unhandled exception: %1</source>
        <comment>Console</comment>
        <translation>Excepción no controlada: %1</translation>
    </message>
</context>
<context>
    <name>Bathyra_Interface</name>
    <message>
        <location filename="../../planner/dive_parameters.cpp" line="+175"/>
        <source>MOD:%1m, EAD:---, END:---</source>
        <comment>gas</comment>
        <translation>MOD:%1m, EAD:---, END:---</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>MOD:%1m, EAD:%2m, END:%3m</source>
        <comment>gas</comment>
        <translation>MOD:%1m, EAD:%2m, END:%3m</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Dil:%1/%2, CCR max depth:%3m, EAD:%4m, END:%5m</source>
        <translation>Dil:%1/%2, prof. máx. CCR:%3m, EAD:%4m, END:%5m</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Dil:%1/%2, CCR max depth:%3m, EAD:---, END:---</source>
        <translation>Dil:%1/%2, prof. máx. CCR:%3m, EAD:---, END:---</translation>
    </message>
    <message>
        <location line="+66"/>
        <source>HYPOXIA: won&apos;t simulate with ppO2 &amp;le; 0.15 bar</source>
        <translation>HIPOXIA: no se simula con ppO2 &amp;le; 0.15 bar</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>BAD MIX: N2 ration should be in 0 .. 95%</source>
        <translation>MEZCLA ERRÓNEA: la fracción de N2 debe estar entre 0 y 95%</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>BAD MIX: He ration should be in 0 .. 95%</source>
        <translation>MEZCLA ERRÓNEA: la fracción de He debe estar entre 0 y 95%</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>BAD MIX: N2+He ratio should be less than 100%</source>
        <translation>MEZCLA ERRÓNEA: N2+He debe ser menor que 100%</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>NARCOSIS: won&apos;t simulate with ppN2 &amp;ge; 14 bar</source>
        <translation>NARCOSIS: no se simula con ppN2 &amp;ge; 14 bar</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>HPNS: won&apos;t simulate with ppHe &amp;ge; 14 bar</source>
        <translation>HPNS: no se simula con ppHe &amp;ge; 14 bar</translation>
    </message>
    <message>
        <location filename="../../app/bathyra_device.cpp" line="+79"/>
        <source>FAILED</source>
        <translation>ERROR</translation>
    </message>
    <message>
        <location filename="../../app/bathyra_interface.cpp" line="+146"/>
        <source>Load dive parameters...</source>
        <translation>Cargar parámetros de inmersión...</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+37"/>
        <source>Dives params (*.div)</source>
        <comment>file format</comment>
        <translation>Parámetros de inmersión (*.div)</translation>
    </message>
    <message>
        <location line="-18"/>
        <source>Cannot open %1: no readable file</source>
        <translation>No se puede abrir %1: no es un archivo legible</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Save all parameters...</source>
        <comment>Save .div</comment>
        <translation>Guardar todos los parámetros...</translation>
    </message>
    <message>
        <location line="+66"/>
        <location line="+72"/>
        <source>Bathyra help</source>
        <translation>Ayuda de Bathyra</translation>
    </message>
    <message>
        <location line="-59"/>
        <source>&lt;font size=&apos;+3&apos;&gt;&lt;i&gt;Bathyra&lt;/i&gt;&lt;/font&gt; &lt;i&gt;v%1%2 - OSTC firmware %3.%4%5&lt;/i&gt;&lt;br&gt;</source>
        <translation>&lt;font size=&apos;+3&apos;&gt;&lt;i&gt;Bathyra&lt;/i&gt;&lt;/font&gt; &lt;i&gt;v%1%2 - firmware OSTC %3.%4%5&lt;/i&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&lt;i&gt;Bathyra&lt;/i&gt; software purposes is:&lt;ul&gt;&lt;li&gt;To play with and understand the decompression parameters of your &lt;i&gt;OSTC&lt;/i&gt; computer (model, gradient factors, switch depth, etc.).&lt;li&gt;To plot simulated dive profiles and compare several configurations (gas mix, deco tanks, setpoints, stops, etc.)&lt;li&gt;To check the &lt;i&gt;OSTC&lt;/i&gt; by comparing its results to other deco softwares.&lt;li&gt;To backup, edit and restore your &lt;i&gt;OSTC&lt;/i&gt; computer configurations.&lt;/ul&gt;</source>
        <translation>&lt;i&gt;Bathyra&lt;/i&gt; sirve para:&lt;ul&gt;&lt;li&gt;Experimentar con los parámetros de descompresión de su ordenador &lt;i&gt;OSTC&lt;/i&gt; y entenderlos (modelo, factores de gradiente, profundidad de cambio, etc.).&lt;li&gt;Dibujar perfiles de inmersión simulados y comparar varias configuraciones (mezclas, botellas de deco, setpoints, paradas, etc.).&lt;li&gt;Verificar el &lt;i&gt;OSTC&lt;/i&gt; comparando sus resultados con otros programas de deco.&lt;li&gt;Guardar, editar y restaurar las configuraciones de su &lt;i&gt;OSTC&lt;/i&gt;.&lt;/ul&gt;</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The Bathyra developers. Free software under the GNU General Public License, version 3 or later (%1), without any warranty. Built with Qt (%2) and Qwt (%3).</source>
        <translation>Los desarrolladores de Bathyra. Software libre bajo la Licencia Pública General de GNU, versión 3 o posterior (%1), sin ninguna garantía. Hecho con Qt (%2) y Qwt (%3).</translation>
    </message>
    <message>
        <location filename="../../app/bathyra_parameters.cpp" line="+178"/>
        <source>CF%1 (%2): %3 is beyond the planner&apos;s range, %4 is used.</source>
        <translation>CF%1 (%2): %3 está fuera del rango del planificador, se usa %4.</translation>
    </message>
    <message>
        <location filename="../../app/bathyra_interface.cpp" line="-81"/>
        <location filename="../../app/bathyra_parameters.cpp" line="+109"/>
        <source>Parameters not saved: %1</source>
        <translation>Parámetros no guardados: %1</translation>
    </message>
    <message>
        <location filename="../../app/bathyra_script.cpp" line="+175"/>
        <source>Run Script...</source>
        <translation>Ejecutar script...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bathyra Script (*.qs *.js)</source>
        <comment>scrit format</comment>
        <translation>Script de Bathyra (*.qs *.js)</translation>
    </message>
    <message>
        <location filename="../../app/bathyra_plan_tools.cpp" line="+18"/>
        <source>Longest bottom time...</source>
        <translation>Tiempo de fondo máximo...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Compare plans...</source>
        <translation>Comparar planes...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Plan against log...</source>
        <translation>Plan frente a registro...</translation>
    </message>
</context>
<context>
    <name>BottomTimeSolver</name>
    <message>
        <location filename="../../planner/bottom_time_solver.cpp" line="+17"/>
        <source>no decompression</source>
        <translation>sin descompresión</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>runtime ≤ %1 min</source>
        <translation>tiempo total ≤ %1 min</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>TTS ≤ %1 min</source>
        <translation>TTS ≤ %1 min</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>total stop time ≤ %1 min</source>
        <translation>tiempo total de paradas ≤ %1 min</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>every cylinder within the reserve rule</source>
        <translation>cada botella dentro de la regla de reserva</translation>
    </message>
    <message>
        <location line="+85"/>
        <source>no bottom time meets the target %1</source>
        <translation>ningún tiempo de fondo cumple el objetivo %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>longest bottom time: %1 min or more for %2</source>
        <translation>tiempo de fondo máximo: %1 min o más para %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>longest bottom time: %1 min for %2</source>
        <translation>tiempo de fondo máximo: %1 min para %2</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The reserve target needs a cylinder (size and fill) for a gas of the plan</source>
        <translation>El objetivo de la regla de reserva necesita una botella (volumen y presión de carga) para un gas del plan</translation>
    </message>
</context>
<context>
    <name>CF menu (15 char max)</name>
    <message>
        <location filename="../../device/cf_table.cpp" line="+18"/>
        <source>unused</source>
        <translation>sin uso</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Start Dive [m]</source>
        <translation>Inicio inm.[m]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>End Dive [m]</source>
        <translation>Fin inm. [m]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>End Delay [sec]</source>
        <translation>Retardo fin[s]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Power Off [min]</source>
        <translation>Apagado [min]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pre-menu [min]</source>
        <translation>Premenú [min]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>velocity[m/min]</source>
        <translation>Velocid[m/min]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wake-up  [mbar]</source>
        <translation>Activar [mbar]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>max.Surf.[mbar]</source>
        <translation>máx.Sup.[mbar]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>GF display [%]</source>
        <translation>Mostrar GF [%]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>min. O2 Dis.[%]</source>
        <translation>O2 mín.most[%]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dive menus[min]</source>
        <translation>Menús inm[min]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Saturate x [%]</source>
        <translation>Saturación x[%]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Desaturate x[%]</source>
        <translation>Desaturac. x[%]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>NoFly Ratio [%]</source>
        <translation>Ratio NoFly [%]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>GF alarm 1 [%]</source>
        <translation>Alarma GF 1[%]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CNSshow surf[%]</source>
        <translation>CNS sup. [%]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Deco Offset [m]</source>
        <translation>Dist. deco [m]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ppO2 low [bar]</source>
        <translation>ppO2 mín [bar]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ppO2 high [bar]</source>
        <translation>ppO2 máx [bar]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ppO2 show [bar]</source>
        <translation>ppO2 most[bar]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>sampling rate</source>
        <translation>Frec. muestreo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Divisor Temp</source>
        <translation>Divisor temp.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Divisor Decodat</source>
        <translation>Divisor deco</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Divisor GF</source>
        <translation>Divisor GF</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Divisor ppO2</source>
        <translation>Divisor ppO2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Divisor Debug</source>
        <translation>Divisor debug</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Divisor CNS</source>
        <translation>Divisor CNS</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CNSshow dive[%]</source>
        <translation>CNS inm. [%]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Logbook offset</source>
        <translation>Despl. bitác.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Last Deco at[m]</source>
        <translation>Últ. deco [m]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>End Apnoe [h]</source>
        <translation>Fin apnea [h]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show Batt.Volts</source>
        <translation>Voltios bat.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>GF Low [%]</source>
        <translation>GF bajo [%]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>GF High [%]</source>
        <translation>GF alto [%]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Color# Battery </source>
        <translation>Color# batería</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Color# Standard</source>
        <translation>Color# estándar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Color# Divemask</source>
        <translation>Color# másc.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Color# Warnings</source>
        <translation>Color# avisos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Divemode secs. </source>
        <translation>Modo inm. s</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Adjust fixed SP</source>
        <translation>Ajustar SP fijo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Warn Ceiling</source>
        <translation>Aviso techo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mix type icons</source>
        <translation>Iconos mezcla</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Blink BetterGas</source>
        <translation>Parp. mejor gas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DepthWarn[mbar]</source>
        <translation>Aviso pr.[mbar]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CNS warning [%]</source>
        <translation>Aviso CNS [%]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>GF warning [%]</source>
        <translation>Aviso GF [%]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ppO2 warn [bar]</source>
        <translation>Aviso ppO2[bar]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vel.warn[m/min]</source>
        <translation>Aviso v.[m/min]</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Time offset/day</source>
        <translation>Ajuste hora/día</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show altimeter</source>
        <translation>Altímetro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show Log-Marker</source>
        <translation>Marcas bitác.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show Stopwatch</source>
        <translation>Cronómetro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ShowTissueGraph</source>
        <translation>Gráf. tejidos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show Lead.Tiss.</source>
        <translation>Tejido guía</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ShallowStop 1st</source>
        <translation>Parada som. 1ª</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gas switch[min]</source>
        <translation>Cambio gas[min]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>BottomGas[/min]</source>
        <translation>Gas fondo[/min]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>AscentGas[/min]</source>
        <translation>Gas asc. [/min]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Future TTS[min]</source>
        <translation>TTS futuro[min]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cave Bail Alarm</source>
        <translation>Alarma bail cue</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Graph. Velocity</source>
        <translation>Vel. gráfica</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show pSCR ppO2</source>
        <translation>ppO2 pSCR</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>pSCR O2 Drop[%]</source>
        <translation>Caída O2 pSCR%</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>pSCR lung ratio</source>
        <translation>pSCR ratio pulm</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Color# inactive</source>
        <translation>Color# inactivo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Use safety stop</source>
        <translation>Parada segurid.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show GF in NDL</source>
        <translation>GF en NDL</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alt. GF Low [%]</source>
        <translation>GF alt. bajo[%]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alt. GF High[%]</source>
        <translation>GF alt. alto[%]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Allow GF change</source>
        <translation>Permitir cam.GF</translation>
    </message>
</context>
<context>
    <name>CF_Editor_Dialog</name>
    <message>
        <location filename="../../cfeditor/cf_editor.ui" line="+6"/>
        <source>Edit Custom Functions</source>
        <translation>Editar funciones personalizadas</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Custom Functions I</source>
        <translation>Funciones I</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Custom Functions II</source>
        <translation>Funciones II</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Custom Functions III</source>
        <translation>Funciones III</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Custom text:</source>
        <translation>Texto propio:</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Text shown by the OSTC on its surface screen (at most 25 characters).</source>
        <translation>Texto que el OSTC muestra en su pantalla de superficie (25 caracteres como máximo).</translation>
    </message>
</context>
<context>
    <name>CF_Editor_Interface</name>
    <message>
        <location filename="../../cfeditor/cf_editor.cpp" line="+245"/>
        <source>value %1 is kept: it cannot be shown here</source>
        <translation>se conserva el valor %1: no puede mostrarse aquí</translation>
    </message>
    <message>
        <location line="+65"/>
        <source>OSTC &lt;i&gt;serial not loaded&lt;/i&gt;</source>
        <comment>EEPROM</comment>
        <translation>OSTC &lt;i&gt;número de serie no cargado&lt;/i&gt;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>OSTC %1 V%2.%3</source>
        <translation>OSTC %1 V%2.%3</translation>
    </message>
</context>
<context>
    <name>ColorPicker</name>
    <message>
        <location filename="../../cfeditor/color_picker.cpp" line="+60"/>
        <source>Choose color</source>
        <comment>CF color</comment>
        <translation>Elegir color</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Click to change color</source>
        <comment>CF color</comment>
        <translation>Haga clic para cambiar el color</translation>
    </message>
</context>
<context>
    <name>ConfigImage</name>
    <message>
        <location filename="../../device/cf_table.cpp" line="+40"/>
        <source>No custom function CF%1</source>
        <translation>No existe la función personalizada CF%1</translation>
    </message>
    <message>
        <location filename="../../device/config_image.cpp" line="+92"/>
        <source>Configuration image must be %1 bytes, got %2</source>
        <translation>La imagen de configuración debe tener %1 bytes, recibidos %2</translation>
    </message>
    <message>
        <location line="-69"/>
        <source>No configuration bank %1</source>
        <translation>No existe el banco de configuración %1</translation>
    </message>
    <message>
        <location line="+85"/>
        <source>Configuration bank %1 must be %2 bytes, got %3</source>
        <translation>El banco de configuración %1 debe tener %2 bytes, recibidos %3</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+7"/>
        <source>Configuration image offset %1 out of range</source>
        <translation>Desplazamiento %1 fuera de la imagen de configuración</translation>
    </message>
    <message>
        <location line="+73"/>
        <location line="+4"/>
        <source>value %1, min %2</source>
        <translation>valor %1, mín %2</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>value %1 %, min %2 %</source>
        <translation>valor %1 %, mín %2 %</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>value %1, max %2 %</source>
        <translation>valor %1, máx %2 %</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>value %1, max %2</source>
        <translation>valor %1, máx %2</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>EEPROM: bad serial</source>
        <translation>EEPROM: número de serie erróneo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>EEPROM: bad firmware version</source>
        <translation>EEPROM: versión de firmware errónea</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>EEPROM: bad deco type</source>
        <translation>EEPROM: tipo de deco erróneo</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Bad CF settings:</source>
        <translation>Ajustes de CF erróneos:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Battery: bad min tp %1°C</source>
        <translation>Batería: temp. mín. errónea %1°C</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Battery: bad max tp %1°C</source>
        <translation>Batería: temp. máx. errónea %1°C</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Battery: bad min/max tp %1°C %2°C</source>
        <translation>Batería: temp. mín./máx. errónea %1°C %2°C</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Battery: bad low %1 volt</source>
        <translation>Batería: tensión mínima errónea %1 voltios</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Battery: bad cycle count %1</source>
        <translation>Batería: número de ciclos erróneo %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Battery: bad total cycle count %1</source>
        <translation>Batería: número total de ciclos erróneo %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Battery: no last charge date</source>
        <translation>Batería: sin fecha de última carga</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Battery: bad last charge date</source>
        <translation>Batería: fecha de última carga errónea</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Battery: bad date</source>
        <translation>Batería: fecha errónea</translation>
    </message>
</context>
<context>
    <name>Console</name>
    <message>
        <location filename="../../profiles/logbook_files.cpp" line="+49"/>
        <source>Unsupported XML format (neither DivingLog or Shearwater)</source>
        <translation>Formato XML no soportado (ni DivingLog ni Shearwater)</translation>
    </message>
    <message>
        <location line="-27"/>
        <source>Cannot open profile.</source>
        <translation>No se puede abrir el perfil.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>its root element is not &lt;%1&gt;</source>
        <translation>su elemento raíz no es &lt;%1&gt;</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Unknown file format.</source>
        <translation>Formato de archivo desconocido.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Cannot load profile.</source>
        <translation>No se puede cargar el perfil.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Cannot load profile: no sample of &apos;%1&apos; has a depth.</source>
        <translation>No se puede cargar el perfil: ninguna muestra de &apos;%1&apos; tiene profundidad.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Cannot load profile: all %1 samples of &apos;%2&apos; are at one time.</source>
        <translation>No se puede cargar el perfil: las %1 muestras de &apos;%2&apos; están todas en el mismo instante.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Unknown save file format</source>
        <translation>Formato de guardado desconocido</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Cannot save profile.</source>
        <translation>No se puede guardar el perfil.</translation>
    </message>
    <message>
        <location filename="../../profiles/profile_readers.cpp" line="+134"/>
        <source>Sample time %1 s is not a dive time.</source>
        <translation>El tiempo de muestra %1 s no es un tiempo de inmersión.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Sample depth %1 m at %2 s is not a depth.</source>
        <translation>La profundidad de muestra %1 m a %2 s no es una profundidad.</translation>
    </message>
    <message>
        <location line="+73"/>
        <source>elements nested more than %1 deep</source>
        <translation>elementos anidados a más de %1 niveles</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>line %1, column %2: %3</source>
        <translation>línea %1, columna %2: %3</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Reading DivingLog XML format</source>
        <translation>Leyendo formato XML de DivingLog</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Profile depths in feet (deepest %1 ft, the dive&apos;s maximum depth %2 m): converted to metres.</source>
        <translation>Profundidades del perfil en pies (la mayor %1 ft, profundidad máxima de la inmersión %2 m): convertidas a metros.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Profile depths reach %1 m but the dive&apos;s maximum depth is %2 m: the depths are read as metres.</source>
        <translation>Las profundidades del perfil llegan a %1 m pero la profundidad máxima de la inmersión es %2 m: las profundidades se leen en metros.</translation>
    </message>
    <message>
        <location line="+73"/>
        <source>Reading Shearwater XML format</source>
        <translation>Leyendo formato XML de Shearwater</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Dive starting: %1</source>
        <translation>Inicio de la inmersión: %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Setpoints not recorded.</source>
        <translation>Setpoints no registrados.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source> Using SP#1 as SP_low=%1, SP#2 as SP_high=%2</source>
        <translation> Se usa SP#1 como SP_low=%1, SP#2 como SP_high=%2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source> Using SP_low=%1, SP_high=%2</source>
        <translation> Se usa SP_low=%1, SP_high=%2</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Recorded ppO2 %1 bar at %2 s is not a ppO2.</source>
        <translation>La ppO2 registrada %1 bar a %2 s no es una ppO2.</translation>
    </message>
    <message>
        <location filename="../../profiles/uddf_formats.cpp" line="+147"/>
        <source>This is a CCR dive.</source>
        <translation>Es una inmersión CCR.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>This is an OC dive.</source>
        <translation>Es una inmersión OC.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Unknown OC/CCR mode.</source>
        <translation>Modo OC/CCR desconocido.</translation>
    </message>
    <message>
        <location line="+45"/>
        <location line="+160"/>
        <source>Mix %1 is not a breathable mix.</source>
        <translation>La mezcla %1 no es respirable.</translation>
    </message>
    <message>
        <location line="-121"/>
        <source>Setpoint %1 Pa at %2 s is not a setpoint.</source>
        <translation>El setpoint %1 Pa a %2 s no es un setpoint.</translation>
    </message>
</context>
<context>
    <name>Decoplan</name>
    <message>
        <location filename="../../planner/decoplan.cpp" line="+62"/>
        <source>GF %1/%2</source>
        <translation>GF %1/%2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Bh %1%/%2%</source>
        <translation>Bh %1%/%2%</translation>
    </message>
    <message>
        <location line="+111"/>
        <source>SP %1</source>
        <translation>SP %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Gas#%1</source>
        <translation>Gas#%1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>SWITCH Gas#%1 -&gt; Gas#%2</source>
        <translation>CAMBIO Gas#%1 -&gt; Gas#%2</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+6"/>
        <source> at %1m</source>
        <comment>gaz switch</comment>
        <translation> a %1m</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>BAILOUT Gas#%1</source>
        <translation>BAILOUT Gas#%1</translation>
    </message>
</context>
<context>
    <name>HexImage</name>
    <message>
        <location filename="../../device/hex_image.cpp" line="+54"/>
        <source>Bad HEX format</source>
        <translation>Formato HEX erróneo</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Bad HEX checksum</source>
        <translation>Suma de control HEX errónea</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Bad HEX record length</source>
        <translation>Longitud de registro HEX incorrecta</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>BAD HEX address</source>
        <translation>Dirección HEX ERRÓNEA</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Double write</source>
        <translation>Escritura doble</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Bad HEX Segment Address record</source>
        <translation>Registro HEX Segment Address erróneo</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Bad HEX Extended Linear Address Record</source>
        <translation>Registro HEX Extended Linear Address erróneo</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Bad HEX subtype</source>
        <translation>Subtipo HEX erróneo</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1KB loaded (%2% of firmware area)</source>
        <translation>%1 KB cargados (%2% del área de firmware)</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>%1 (line %2)</source>
        <translation>%1 (línea %2)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Missing HEX end-of-file record</source>
        <translation>Falta el registro de fin de archivo HEX</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Can&apos;t open HEX file</source>
        <translation>No se puede abrir el archivo HEX</translation>
    </message>
</context>
<context>
    <name>LogCheck</name>
    <message>
        <location filename="../../planner/log_check.cpp" line="+24"/>
        <source>%1: plan %2 %5, log %3 %5 (%4)</source>
        <translation>%1: plan %2 %5, registro %3 %5 (%4)</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>The log holds no dive: no depth below the surface</source>
        <translation>El registro no contiene ninguna inmersión: ninguna profundidad bajo la superficie</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>max depth</source>
        <translation>profundidad máxima</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>bottom time</source>
        <translation>tiempo de fondo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>runtime</source>
        <translation>tiempo total</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>total stop time</source>
        <translation>tiempo total de paradas</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>TTS at the end of the bottom</source>
        <translation>TTS al final del fondo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>CNS</source>
        <translation>CNS</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>ceiling kept during the whole dive</source>
        <translation>techo respetado durante toda la inmersión</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>above the ceiling from %1 to %2 min, worst %3 m above it</source>
        <translation>por encima del techo de %1 a %2 min, como máximo %3 m por encima</translation>
    </message>
</context>
<context>
    <name>LogCheckInterface</name>
    <message>
        <location filename="../../app/log_check_window.cpp" line="+41"/>
        <source>Browse...</source>
        <translation>Examinar...</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>No parameter file %1</source>
        <translation>No hay archivo de parámetros %1</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Logbook files (*.xml *.uddf *.udcf);;All files (*)</source>
        <translation>Archivos de registro (*.xml *.uddf *.udcf);;Todos los archivos (*)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dive parameters (*.div);;All files (*)</source>
        <translation>Parámetros de inmersión (*.div);;Todos los archivos (*)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Current configuration</source>
        <translation>Configuración actual</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+1"/>
        <source>Parameter file</source>
        <translation>Archivo de parámetros</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Read from the computer</source>
        <translation>Leída del ordenador</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Current parameters</source>
        <translation>Parámetros actuales</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Logged dive:</source>
        <translation>Inmersión registrada:</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Dived with:</source>
        <translation>Buceada con:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Planned as:</source>
        <translation>Planificada como:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Check</source>
        <translation>Comprobar</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Another command is running</source>
        <translation>Otro comando está en curso</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The configuration was not read from the computer: %1</source>
        <translation>La configuración no se leyó del ordenador: %1</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>plan</source>
        <translation>plan</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>log %1</source>
        <translation>registro %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ceiling of the log</source>
        <translation>techo del registro</translation>
    </message>
</context>
<context>
    <name>OstcProtocol</name>
    <message>
        <location filename="../../device/ostc_protocol.cpp" line="+122"/>
        <source>bank %1, write command: %2</source>
        <translation>banco %1, orden de escritura: %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bank %1, byte %2: %3</source>
        <translation>banco %1, byte %2: %3</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>Can&apos;t validate EEPROM contains</source>
        <translation>No se puede validar el contenido de la EEPROM</translation>
    </message>
    <message>
        <location line="-38"/>
        <source>CFI...</source>
        <translation>CFI...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>CFI done.</source>
        <translation>CFI hecho.</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>CFII...</source>
        <translation>CFII...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>CFII done.</source>
        <translation>CFII hecho.</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>CFIII...</source>
        <translation>CFIII...</translation>
    </message>
    <message>
        <location line="-68"/>
        <source>no answer from the computer</source>
        <translation>el ordenador no responde</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Downloading OSTC configuration (%1)</source>
        <translation>Descargando la configuración del OSTC (%1)</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>CFIII done.</source>
        <translation>CFIII hecho.</translation>
    </message>
    <message>
        <location line="+70"/>
        <source>Readback differ</source>
        <translation>La relectura difiere</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Uploading OSTC configuration (%1)</source>
        <translation>Enviando la configuración del OSTC (%1)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Upload failed; writing back the computer&apos;s previous configuration...</source>
        <translation>El envío ha fallado; se vuelve a escribir la configuración anterior del ordenador...</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>The computer holds its previous configuration again.</source>
        <translation>El ordenador vuelve a tener su configuración anterior.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Bank 0 may be partly written.</source>
        <translation>El banco 0 puede estar escrito en parte.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Banks 0 to %1 are new, bank %2 may be partly written.</source>
        <translation>Los bancos 0 a %1 son nuevos, el banco %2 puede estar escrito en parte.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The previous configuration could not be written back: %1 Upload again, or upload the backup.</source>
        <translation>No se pudo volver a escribir la configuración anterior: %1 Envíela de nuevo o envíe la copia de seguridad.</translation>
    </message>
    <message>
        <location line="+42"/>
        <location line="+8"/>
        <source>Sync failed (%1)</source>
        <translation>Fallo de sincronización (%1)</translation>
    </message>
    <message>
        <location line="+69"/>
        <source>Dump screen failed (%1)</source>
        <translation>Fallo al capturar la pantalla (%1)</translation>
    </message>
    <message>
        <location line="-8"/>
        <source>Screen dumped.</source>
        <translation>Pantalla capturada.</translation>
    </message>
    <message>
        <location line="+46"/>
        <location line="+24"/>
        <source>Write failed</source>
        <translation>Fallo de escritura</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>Bad checksum at 0x%1</source>
        <translation>Suma de control errónea en 0x%1</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Cannot start firmware upgrade</source>
        <translation>No se puede iniciar la actualización del firmware</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Cannot sync firmware upgrade</source>
        <translation>No se puede sincronizar la actualización del firmware</translation>
    </message>
</context>
<context>
    <name>PlanComparison</name>
    <message>
        <location filename="../../planner/plan_comparison.cpp" line="+185"/>
        <source>runtime (min)</source>
        <translation>tiempo total (min)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>TTS (min)</source>
        <translation>TTS (min)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>first stop (m)</source>
        <translation>primera parada (m)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>total stop time (min)</source>
        <translation>tiempo total de paradas (min)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>CNS (%)</source>
        <translation>CNS (%)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>max ppO2 (bar)</source>
        <translation>ppO2 máx. (bar)</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>%1 (litres)</source>
        <translation>%1 (litros)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 (bar)</source>
        <translation>%1 (bar)</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>figure</source>
        <translation>valor</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 - %2</source>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <location filename="../../app/plan_plot.cpp" line="+44"/>
        <source>%1 ceiling</source>
        <translation>techo de %1</translation>
    </message>
    <message>
        <location filename="../../cli/plan_tool_steps.cpp" line="+41"/>
        <source>plans: %1</source>
        <translation>planes: %1</translation>
    </message>
</context>
<context>
    <name>PlanComparisonInterface</name>
    <message>
        <location filename="../../app/plan_comparison_window.cpp" line="+66"/>
        <source>Add current plan</source>
        <translation>Añadir el plan actual</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Add log...</source>
        <translation>Añadir registro...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Rename...</source>
        <translation>Renombrar...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Make current</source>
        <translation>Hacer actual</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Export CSV...</source>
        <translation>Exportar CSV...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Export PDF...</source>
        <translation>Exportar PDF...</translation>
    </message>
    <message>
        <location line="+80"/>
        <source>Add a logged dive</source>
        <translation>Añadir una inmersión registrada</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Logbook files (*.xml *.uddf *.udcf);;All files (*)</source>
        <translation>Archivos de registro (*.xml *.uddf *.udcf);;Todos los archivos (*)</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Rename plan</source>
        <translation>Renombrar plan</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <location line="+73"/>
        <source>Export the comparison</source>
        <translation>Exportar la comparación</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>PlanPlot</name>
    <message>
        <location filename="../../app/plan_plot.cpp" line="-28"/>
        <source>time (min)</source>
        <translation>tiempo (min)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>depth (m)</source>
        <translation>profundidad (m)</translation>
    </message>
</context>
<context>
    <name>PlanSheetInterface</name>
    <message>
        <location filename="../../app/plan_sheet.cpp" line="+152"/>
        <location line="+163"/>
        <source>Plan sheet</source>
        <comment>Window Title</comment>
        <translation>Hoja del plan</translation>
    </message>
    <message>
        <location line="-162"/>
        <source>Deeper by (m):</source>
        <translation>Más profundo (m):</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Longer by (min):</source>
        <translation>Más largo (min):</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cylinder (l)</source>
        <translation>Botella (l)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fill (bar)</source>
        <translation>Carga (bar)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reserve rule:</source>
        <translation>Regla de reserva:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Slate page:</source>
        <translation>Tamaño de la pizarra:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Contingencies (bar used in red and marked &quot;!&quot; where the reserve rule breaks):</source>
        <translation>Contingencias (bar consumidos en rojo y marcados &quot;!&quot; donde se rompe la regla de reserva):</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Update</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Print...</source>
        <translation>Imprimir...</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+127"/>
        <source>Save slate...</source>
        <translation>Guardar pizarra...</translation>
    </message>
    <message>
        <location line="-126"/>
        <location line="+133"/>
        <source>Save plan file...</source>
        <translation>Guardar archivo del plan...</translation>
    </message>
    <message>
        <location line="-88"/>
        <source>Gas %1 (%2):</source>
        <translation>Gas %1 (%2):</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gas %1 (off):</source>
        <translation>Gas %1 (apagado):</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Variant</source>
        <translation>Variante</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Runtime (min)</source>
        <translation>Tiempo total (min)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>TTS (min)</source>
        <translation>TTS (min)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>First stop (m)</source>
        <translation>Primera parada (m)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Stops (min)</source>
        <translation>Paradas (min)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>CNS (%)</source>
        <translation>CNS (%)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Max ppO2 (bar)</source>
        <translation>ppO2 máx. (bar)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 (l)</source>
        <translation>%1 (l)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 (bar)</source>
        <translation>%1 (bar)</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>Slates (*.pdf *.svg *.png)</source>
        <comment>file format</comment>
        <translation>Pizarras (*.pdf *.svg *.png)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Plan files (*.json *.csv)</source>
        <comment>file format</comment>
        <translation>Archivos de plan (*.json *.csv)</translation>
    </message>
</context>
<context>
    <name>PlotDialog</name>
    <message>
        <location filename="../plot_dialog.ui" line="+14"/>
        <source>Plot</source>
        <translation>Gráfico</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Save image...</source>
        <translation>Guardar imagen...</translation>
    </message>
</context>
<context>
    <name>PlotInterface</name>
    <message>
        <location filename="../../plot/plot_export.cpp" line="+31"/>
        <source>Jpeg image</source>
        <comment>file format</comment>
        <translation>Imagen JPEG</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>PNG image</source>
        <comment>file format</comment>
        <translation>Imagen PNG</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TIFF image</source>
        <comment>file format</comment>
        <translation>Imagen TIFF</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>PDF file</source>
        <comment>file format</comment>
        <translation>Archivo PDF</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SVG file</source>
        <comment>file format</comment>
        <translation>Archivo SVG</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>No image file name: &quot;%1&quot;</source>
        <comment>Save plot as image</comment>
        <translation>Sin nombre de archivo de imagen: &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+69"/>
        <source>the PDF could not be made in %1</source>
        <translation>no se pudo crear el PDF en %1</translation>
    </message>
    <message>
        <location filename="../../plot/plot_curves.cpp" line="+205"/>
        <source>GF_low</source>
        <comment>Plot label</comment>
        <translation>GF_low</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>GF_high</source>
        <comment>Plot label</comment>
        <translation>GF_high</translation>
    </message>
    <message>
        <location line="+127"/>
        <source>Setpoint:%1</source>
        <comment>Plot label</comment>
        <translation>Setpoint:%1</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../../plot/plot_interface.cpp" line="+467"/>
        <location filename="../../plot/plot_tissues.cpp" line="+120"/>
        <source>Gas%1:</source>
        <comment>Plot label</comment>
        <translation>Gas%1:</translation>
    </message>
    <message>
        <location filename="../../planner/run_plot.cpp" line="+14"/>
        <source>depth</source>
        <comment>Plot legend</comment>
        <translation>profundidad</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ceiling</source>
        <comment>Plot legend</comment>
        <translation>techo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>leading tissue</source>
        <comment>Plot axis</comment>
        <translation>tejido guía</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>GF</source>
        <comment>Plot legend</comment>
        <translation>GF</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ppO2</source>
        <comment>Plot legend</comment>
        <translation>ppO2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CNS</source>
        <comment>Plot legend</comment>
        <translation>CNS</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>NDL/Stop</source>
        <comment>Plot legend</comment>
        <translation>NDL/parada</translation>
    </message>
    <message>
        <location filename="../../plot/plot_interface.cpp" line="-209"/>
        <source>[Bar]</source>
        <translation>[bar]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>[%]</source>
        <translation>[%]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>[min]</source>
        <translation>[min]</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Air</source>
        <comment>Plot label</comment>
        <translation>Aire</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>Dive traces</source>
        <comment>Plot title</comment>
        <translation>Trazas de inmersión</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tissues plot</source>
        <comment>Plot title</comment>
        <translation>Gráfico de tejidos</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Depth [m]</source>
        <comment>Plot axis</comment>
        <translation>Profundidad [m]</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>time [min]</source>
        <comment>Plot axis</comment>
        <translation>tiempo [min]</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>P. ambient [absolute, bar]</source>
        <comment>Plot axis</comment>
        <translation>P. ambiente [absoluta, bar]</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>P. tissue [N2+He, bar]</source>
        <comment>Plot axis</comment>
        <translation>P. tejido [N2+He, bar]</translation>
    </message>
    <message>
        <location filename="../../plot/plot_tissues.cpp" line="-69"/>
        <source>Surface</source>
        <comment>Plot label</comment>
        <translation>Superficie</translation>
    </message>
    <message>
        <location filename="../../plot/plot_interface.cpp" line="+80"/>
        <source>TTS  = %1</source>
        <comment>Plot label</comment>
        <translation>TTS  = %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Total= %2</source>
        <comment>Plot label</comment>
        <translation>Total= %2</translation>
    </message>
    <message>
        <location line="+77"/>
        <source>Dump image to...</source>
        <comment>Save plot as image</comment>
        <translation>Guardar imagen como...</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Saving plot %1</source>
        <comment>Console</comment>
        <translation>Guardando el gráfico %1</translation>
    </message>
</context>
<context>
    <name>ProfileEditorInterface</name>
    <message>
        <location filename="../../profiles/profile_editor.cpp" line="+125"/>
        <source>depth [m]</source>
        <translation>profundidad [m]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Time [min]</source>
        <translation>Tiempo [min]</translation>
    </message>
    <message>
        <location line="+79"/>
        <location line="+19"/>
        <source>Loading profile...</source>
        <translation>Cargar perfil...</translation>
    </message>
    <message>
        <location line="-16"/>
        <source>All supported profiles (*.xml *.uddf *.udcf);;XML: DivingLog 5, Shearwater Desktop (*.xml);;UDDF: DivingLog 2 or 3 (*.uddf);;UDCF: MacDive (*.udcf);;</source>
        <translation>Todos los perfiles admitidos (*.xml *.uddf *.udcf);;XML: DivingLog 5, Shearwater Desktop (*.xml);;UDDF: DivingLog 2 o 3 (*.uddf);;UDCF: MacDive (*.udcf);;</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>The profile &apos;%1&apos; was not loaded: %2</source>
        <translation>El perfil &apos;%1&apos; no se ha cargado: %2</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Saving profile...</source>
        <translation>Guardar perfil...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DivingLog XML (*.xml);;DivingLog UDDF (*.uddf);;</source>
        <translation>DivingLog XML (*.xml);;DivingLog UDDF (*.uddf);;</translation>
    </message>
    <message>
        <location line="+100"/>
        <source>Gas Change...</source>
        <translation>Cambio de gas...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>new gas =</source>
        <translation>gas nuevo =</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>&lt;font color=&apos;red&apos;&gt;Recorded ppO2 [bar]&lt;/font&gt;</source>
        <translation>&lt;font color=&apos;red&apos;&gt;ppO2 registrada [bar]&lt;/font&gt;</translation>
    </message>
</context>
<context>
    <name>ProfileEditorWidget</name>
    <message>
        <location filename="../../profiles/profile_editor.ui" line="+6"/>
        <source>Profile Editor</source>
        <translation>Editor de perfiles</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Profile</source>
        <translation>Perfil</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Load...</source>
        <translation>Cargar...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Save...</source>
        <translation>Guardar...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Segments</source>
        <translation>Tramos</translation>
    </message>
    <message>
        <location line="+8"/>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <location line="+9"/>
        <source> m</source>
        <translation> m</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Add leg</source>
        <translation>Añadir tramo</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;darr;</source>
        <translation>&amp;darr;</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+15"/>
        <source> m/min</source>
        <translation> m/min</translation>
    </message>
    <message>
        <location line="-10"/>
        <source>&amp;uarr;</source>
        <translation>&amp;uarr;</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Points</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Off</source>
        <translation>Inactivo</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Add point</source>
        <translation>Añadir punto</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Delete point</source>
        <translation>Borrar punto</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Set gas change</source>
        <translation>Fijar cambio de gas</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <location filename="../../device/safe_file.cpp" line="+35"/>
        <source>Cannot write &apos;%1&apos;: %2</source>
        <translation>No se puede escribir &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>cannot copy the old file</source>
        <translation>no se puede copiar el archivo anterior</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>cannot write the settings</source>
        <translation>no se pueden escribir los ajustes</translation>
    </message>
</context>
<context>
    <name>Script</name>
    <message>
        <location filename="../../script/script.cpp" line="+248"/>
        <source>Script stopped: %1</source>
        <translation>Script detenido: %1</translation>
    </message>
</context>
<context>
    <name>SerialOSTC</name>
    <message>
        <location filename="../../device/serial_ostc.cpp" line="+46"/>
        <source>FAILED: </source>
        <translation>ERROR: </translation>
    </message>
    <message>
        <location line="-11"/>
        <source>Connecting %1</source>
        <translation>Conectando %1</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Reading OSTC %1 done.</source>
        <translation>Lectura del OSTC %1 terminada.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>The computer&apos;s configuration before the upload is kept in &apos;%1&apos;.</source>
        <translation>La configuración del ordenador antes del envío se guarda en &apos;%1&apos;.</translation>
    </message>
    <message>
        <location line="-8"/>
        <source>Programming OSTC %1 done.</source>
        <translation>Programación del OSTC %1 terminada.</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Date and time set to %1</source>
        <translation>Fecha y hora ajustadas a %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>SYNC FAILED</source>
        <translation>FALLO DE SINCRONIZACIÓN</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>FAILED</source>
        <translation>ERROR</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>the image cannot be written as %1</source>
        <translation>la imagen no se puede escribir como %1</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Firmware...</source>
        <translation>Firmware...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Save screen dump...</source>
        <translation>Guardar captura de pantalla...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Image PNG (*.png);;Image JPEG (*.jpeg;*.jpg);;Image TIFF (*.tiff;*.tif)</source>
        <translation>Imagen PNG (*.png);;Imagen JPEG (*.jpeg;*.jpg);;Imagen TIFF (*.tiff;*.tif)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Loading &apos;%1&apos;</source>
        <translation>Cargando &apos;%1&apos;</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Starting OSTC upgrade...</source>
        <translation>Iniciando la actualización del OSTC...</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>OSTC upgrade done. rebooting...</source>
        <translation>Actualización del OSTC terminada, reiniciando...</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>UPGRADE FAILED</source>
        <translation>FALLO DE ACTUALIZACIÓN</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The computer keeps its boot loader but not a whole program: upgrade it again before diving.</source>
        <translation>El ordenador conserva su cargador de arranque pero no un programa completo: actualícelo de nuevo antes de bucear.</translation>
    </message>
</context>
<context>
    <name>SerialPort</name>
    <message>
        <location filename="../../device/serial_port.cpp" line="+58"/>
        <source>Unknown port</source>
        <translation>Puerto desconocido</translation>
    </message>
    <message>
        <location filename="../../device/serial_port.h" line="+45"/>
        <source>Unable to open port</source>
        <translation>No se puede abrir el puerto</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No port chosen: choose the OSTC&apos;s port in the settings</source>
        <translation>Ningún puerto elegido: elija el puerto del OSTC en la configuración</translation>
    </message>
    <message>
        <location filename="../../device/serial_port.cpp" line="+14"/>
        <source>Unable to set COM port config</source>
        <translation>No se puede configurar el puerto</translation>
    </message>
    <message>
        <location filename="../../device/serial_port.h" line="-2"/>
        <source>Port not open</source>
        <translation>Puerto no abierto</translation>
    </message>
    <message>
        <location filename="../../device/serial_port.cpp" line="+163"/>
        <source>readByte error</source>
        <translation>Error de readByte</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>readBlock error</source>
        <translation>Error de readBlock</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>writeBlock error</source>
        <translation>Error de writeBlock</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+4"/>
        <source>writeByte error</source>
        <translation>Error de writeByte</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <location filename="../settings.ui" line="+6"/>
        <source>Bathyra settings</source>
        <translation>Ajustes de Bathyra</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Language:</source>
        <translation>Idioma:</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>Communication port:</source>
        <translation>Puerto de comunicación:</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Serial port of the OSTC; a device path (such as /dev/pts/3) may be typed.</source>
        <translation>Puerto serie del OSTC; se puede escribir una ruta de dispositivo (como /dev/pts/3).</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>No serial port found.</source>
        <translation>No se encontró ningún puerto serie.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Verbose simulations</source>
        <translation>Simulaciones detalladas</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Auto setup of date &amp;&amp; time</source>
        <translation>Ajuste automático de fecha y hora</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>If checked, any configuration upload will also setup date and time.</source>
        <translation>Si está marcado, cada envío de configuración ajusta también la fecha y la hora.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Border line in deco plan</source>
        <translation>Bordes en el plan de deco</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Beta features</source>
        <translation>Funciones beta</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Allows also beta features, not fully finished and/ord tested.</source>
        <translation>Permite también funciones beta, no del todo terminadas o probadas.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Reset all settings</source>
        <translation>Restablecer todos los ajustes</translation>
    </message>
</context>
<context>
    <name>SolveDialog</name>
    <message>
        <location filename="../../app/solve_dialog.cpp" line="+21"/>
        <source>no decompression</source>
        <translation>sin descompresión</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>runtime at most</source>
        <translation>tiempo total como máximo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>TTS at most</source>
        <translation>TTS como máximo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>total stop time at most</source>
        <translation>tiempo total de paradas como máximo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>every cylinder within the reserve rule</source>
        <translation>cada botella dentro de la regla de reserva</translation>
    </message>
    <message>
        <location line="+5"/>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Solve</source>
        <translation>Calcular</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Use as bottom time</source>
        <translation>Usar como tiempo de fondo</translation>
    </message>
</context>
<context>
    <name>UpdatesPlanner</name>
    <message>
        <location filename="../../updates/updates_planner.cpp" line="+77"/>
        <source>Update server &apos;%1&apos; is not a valid http or https address.</source>
        <translation>El servidor de actualizaciones &apos;%1&apos; no es una dirección http o https válida.</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>no firmware data</source>
        <translation>no hay datos de firmware</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Downloaded firmware %1 is not a valid HEX file: %2</source>
        <translation>El firmware %1 descargado no es un archivo HEX válido: %2</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Firmware %1 available...</source>
        <translation>Firmware %1 disponible...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Version %1 of the &lt;i&gt;OSTC&lt;/i&gt; firmware is available. Please consider upgrading your computer...</source>
        <translation>La versión %1 del firmware del &lt;i&gt;OSTC&lt;/i&gt; está disponible. Considere actualizar su ordenador...</translation>
    </message>
</context>
<context>
    <name>Window Title</name>
    <message>
        <location filename="../../plot/plot_interface.cpp" line="-174"/>
        <location filename="../../app/bathyra_runs.cpp" line="+84"/>
        <source>Dive profile</source>
        <translation>Perfil de inmersión</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../../app/bathyra_runs.cpp" line="+100"/>
        <source>Tissues plot</source>
        <translation>Gráfico de tejidos</translation>
    </message>
    <message>
        <location filename="../../app/log_check_window.cpp" line="-97"/>
        <source>Plan against log</source>
        <translation>Plan frente a registro</translation>
    </message>
    <message>
        <location filename="../../app/plan_comparison_window.cpp" line="-235"/>
        <source>Compare plans</source>
        <translation>Comparar planes</translation>
    </message>
    <message>
        <location filename="../../app/solve_dialog.cpp" line="-18"/>
        <source>Longest bottom time</source>
        <translation>Tiempo de fondo máximo</translation>
    </message>
</context>
<context>
    <name>gas</name>
    <message>
        <location filename="../../profiles/uddf_formats.cpp" line="-186"/>
        <source>Gas</source>
        <translation>Gas</translation>
    </message>
</context>
<context>
    <name>planner</name>
    <message>
        <location filename="../../planner/contingency.cpp" line="+228"/>
        <source>all</source>
        <translation>todo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>half</source>
        <translation>la mitad</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>two thirds</source>
        <translation>dos tercios</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>plan</source>
        <translation>plan</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>+%1 m</source>
        <translation>+%1 m</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>+%1 min</source>
        <translation>+%1 min</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>+%1 m +%2 min</source>
        <translation>+%1 m +%2 min</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>lost %1</source>
        <translation>%1 perdido</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>bail-out</source>
        <translation>bail-out</translation>
    </message>
    <message>
        <location filename="../../planner/plan_files.cpp" line="+150"/>
        <location filename="../../planner/plan_slate.cpp" line="+201"/>
        <source>Variant</source>
        <translation>Variante</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../planner/plan_slate.cpp" line="-76"/>
        <location line="+76"/>
        <source>Run</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../planner/plan_slate.cpp" line="+0"/>
        <source>TTS</source>
        <translation>TTS</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../planner/plan_slate.cpp" line="-76"/>
        <source>Stop</source>
        <translation>Parada</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stops</source>
        <translation>Paradas</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../planner/plan_slate.cpp" line="+76"/>
        <source>CNS</source>
        <translation>CNS</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../planner/plan_slate.cpp" line="-76"/>
        <location line="+76"/>
        <source>ppO2</source>
        <translation>ppO2</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Gas used</source>
        <translation>Gas consumido</translation>
    </message>
    <message>
        <location filename="../../planner/plan_slate.cpp" line="-116"/>
        <location line="+284"/>
        <location line="+11"/>
        <source>Dive plan</source>
        <translation>Plan de inmersión</translation>
    </message>
    <message>
        <location line="-294"/>
        <source>Dive plan: %1 m, %2 min</source>
        <translation>Plan de inmersión: %1 m, %2 min</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Model: %1</source>
        <translation>Modelo: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Surface pressure: %1 mbar    SAC: bottom %2 l/min, deco %3 l/min</source>
        <translation>Presión en superficie: %1 mbar    Consumo: fondo %2 l/min, deco %3 l/min</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Closed circuit, setpoint %1 bar</source>
        <translation>Circuito cerrado, setpoint %1 bar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open circuit</source>
        <translation>Circuito abierto</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Configuration firmware %1</source>
        <translation>Firmware de la configuración %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Gases (MOD at ppO2 %1 bar)</source>
        <translation>Gases (MOD a ppO2 %1 bar)</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+20"/>
        <source>Gas</source>
        <translation>Gas</translation>
    </message>
    <message>
        <location line="-20"/>
        <source>MOD</source>
        <translation>MOD</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Switch depth</source>
        <translation>Profundidad de cambio</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Cylinder</source>
        <translation>Botella</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+1"/>
        <location line="+47"/>
        <location line="+21"/>
        <location line="+41"/>
        <source>%1 m</source>
        <translation>%1 m</translation>
    </message>
    <message>
        <location line="-109"/>
        <source>first gas</source>
        <translation>primer gas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 l, %2 bar</source>
        <translation>%1 l, %2 bar</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Runtime</source>
        <translation>Tiempos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Depth</source>
        <translation>Profundidad</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>switch to %1 at %2 m before the stop</source>
        <translation>cambiar a %1 a %2 m antes de la parada</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the loop</source>
        <translation>el circuito</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>loop %1</source>
        <translation>circuito %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Contingencies</source>
        <translation>Contingencias</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Bar used per cylinder; &quot;!&quot; breaks the reserve rule (use %1)</source>
        <translation>Bar consumidos por botella; &quot;!&quot; rompe la regla de reserva (usar %1)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>1st stop</source>
        <translation>1.ª parada</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 l / bar</source>
        <translation>%1 l / bar</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 l</source>
        <translation>%1 l</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Bathyra %1, %2</source>
        <translation>Bathyra %1, %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>These are the dive computer&apos;s own computations, made by Bathyra with the computer&apos;s decompression code.</source>
        <translation>Estos son los cálculos propios del ordenador de buceo, hechos por Bathyra con el código de descompresión del ordenador.</translation>
    </message>
    <message>
        <location line="+151"/>
        <source>Cannot write &apos;%1&apos;: slates end in .pdf, .svg or .png</source>
        <translation>No se puede escribir &apos;%1&apos;: las pizarras terminan en .pdf, .svg o .png</translation>
    </message>
</context>
<context>
    <name>planner::PlanFiles</name>
    <message>
        <location filename="../../planner/plan_files.cpp" line="+188"/>
        <source>Cannot write &apos;%1&apos;: plan files end in .csv or .json</source>
        <translation>No se puede escribir &apos;%1&apos;: los archivos de plan terminan en .csv o .json</translation>
    </message>
</context>
<context>
    <name>planner::PlanParameters</name>
    <message>
        <location filename="../../planner/plan_parameters.cpp" line="+163"/>
        <source>unknown planning input %1</source>
        <translation>entrada de planificación desconocida %1</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1: %2 is not a number</source>
        <translation>%1: %2 no es un número</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1: %2 is neither true nor false</source>
        <translation>%1: %2 no es ni true ni false</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1: %2 is outside %3 to %4</source>
        <translation>%1: %2 está fuera de %3 a %4</translation>
    </message>
</context>
<context>
    <name>planner::RunReport</name>
    <message>
        <location filename="../../planner/run_report.cpp" line="+92"/>
        <location line="+2"/>
        <source>ppO2</source>
        <translation>ppO2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>GF</source>
        <translation>GF</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+120"/>
        <location line="+2"/>
        <source>CNS</source>
        <translation>CNS</translation>
    </message>
    <message>
        <location line="-117"/>
        <source>ppN2</source>
        <translation>ppN2</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Standard Bühlmann ZH-L16C-1a 2002 decompression:</source>
        <translation>Descompresión Bühlmann ZH-L16C-1a 2002 estándar:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>*  saturation factor (CF11) = %1 %</source>
        <translation>*  factor de saturación (CF11) = %1 %</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>*  desaturation factor (CF12) = %1 %</source>
        <translation>*  factor de desaturación (CF12) = %1 %</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Bühlmann ZH-L16C-1a 2002 with GRADIENT FACTOR decompression:</source>
        <translation>Descompresión Bühlmann ZH-L16C-1a 2002 con FACTORES DE GRADIENTE:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>*  GF_low (CF32) = %1 %</source>
        <translation>*  GF_low (CF32) = %1 %</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>*  GF_high (CF33) = %1 %</source>
        <translation>*  GF_high (CF33) = %1 %</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>*  deco offset (CF16) = %1 m</source>
        <translation>*  distancia deco (CF16) = %1 m</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>*  last stop (CF29) = %1 m</source>
        <translation>*  última parada (CF29) = %1 m</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>*  dive started at Pamb = %1 mbar</source>
        <translation>*  inmersión iniciada a Pamb = %1 mbar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>*  dive continued at depth = %1 m</source>
        <translation>*  inmersión continuada a profundidad = %1 m</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>*  Interval with previous dive = %1&apos;</source>
        <translation>*  Intervalo con la inmersión anterior = %1&apos;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>*  Gas switch delay (CF55) = %1 min</source>
        <translation>*  Espera en cambio de gas (CF55) = %1 min</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>CCR mode:</source>
        <translation>Modo CCR:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>*  Setpoint1: %1</source>
        <translation>*  Setpoint1: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>*  Diluant Gas#%1 = %2</source>
        <translation>*  Diluyente Gas#%1 = %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>OC gas list:</source>
        <translation>Lista de gases OC:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>*  First Gas#%1 = %2</source>
        <translation>*  Primer Gas#%1 = %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>*  Bailout Gas#%1 = %2 at %3 m</source>
        <translation>*  Bailout Gas#%1 = %2 a %3 m</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>*  Deco Gas#%1 = %2 at %3 m</source>
        <translation>*  Deco Gas#%1 = %2 a %3 m</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>WARNING: Gas#%1 %2 is switched to at %3 m, deeper than its MOD of %4 m at ppO2 %5 bar</source>
        <translation>AVISO: cambio a Gas#%1 %2 a %3 m, más profundo que su MOD de %4 m con ppO2 %5 bar</translation>
    </message>
    <message>
        <location line="+71"/>
        <source>SWITCH Gas#%1 -&gt; Gas#%2</source>
        <translation>CAMBIO Gas#%1 -&gt; Gas#%2</translation>
    </message>
    <message>
        <location line="+74"/>
        <source>BREAK ON STOP @ %1m</source>
        <translation>PAUSA EN PARADA @ %1m</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>SWITCH Setpoint %1 -&gt; %2</source>
        <translation>CAMBIO Setpoint %1 -&gt; %2</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>BREAK ON BETTER Gas#%1</source>
        <translation>PAUSA POR MEJOR Gas#%1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>BREAK ON SETPOINT</source>
        <translation>PAUSA EN SETPOINT</translation>
    </message>
    <message>
        <location line="-127"/>
        <source>CCR Runtime</source>
        <translation>Runtime CCR</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+77"/>
        <source>OC Runtime</source>
        <translation>Runtime OC</translation>
    </message>
    <message>
        <location line="-47"/>
        <source>Future TTS</source>
        <translation>TTS futuro</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Future RT </source>
        <translation>RT futuro </translation>
    </message>
    <message>
        <location line="-29"/>
        <source>NDL</source>
        <translation>NDL</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Deco:</source>
        <comment>Console</comment>
        <translation>Deco:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>TTS</source>
        <translation>TTS</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>DESCENT DONE</source>
        <translation>DESCENSO TERMINADO</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>STOP</source>
        <translation>PARADA</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>ASCENT DONE</source>
        <translation>ASCENSO TERMINADO</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>NoFly</source>
        <translation>NoFly</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Desat</source>
        <translation>Desat</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Already surfaced: no more gas consumation</source>
        <translation>Ya en superficie: no hay más consumo de gas</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>BAIL-OUT Runtime</source>
        <translation>Runtime BAIL-OUT</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Max depth                     = %1 m</source>
        <translation>Profundidad máx.              = %1 m</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Average before ascent     = %1 m</source>
        <translation>Media antes del ascenso   = %1 m</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Time before ascent            = %1 min</source>
        <translation>Tiempo antes del ascenso      = %1 min</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Bottom gas consumption (CF56) = %1 l/min</source>
        <translation>Consumo en el fondo (CF56)    = %1 l/min</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ascent gas consumption (CF57) = %1 l/min</source>
        <translation>Consumo en el ascenso (CF57)  = %1 l/min</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Gas</source>
        <translation>Gas</translation>
    </message>
</context>
<context>
    <name>planner::Simulation</name>
    <message>
        <location filename="../../planner/simulation.cpp" line="+79"/>
        <source>%1 at %2 m</source>
        <translation>%1 a %2 m</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>BAD MIX: Gas#%1 has O2 %2% + He %3%, more than 100%</source>
        <translation>MEZCLA ERRÓNEA: Gas#%1 tiene O2 %2% + He %3%, más del 100%</translation>
    </message>
</context>
</TS>
