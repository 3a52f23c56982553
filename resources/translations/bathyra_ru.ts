<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
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
        <translation>Загрузить...</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+1944"/>
        <source>Load all model/dive parameters from a *.div file.&lt;br&gt;[Ctrl+L]</source>
        <translation>Загрузить все параметры модели и погружения из файла *.div.&lt;br&gt;[Ctrl+L]</translation>
    </message>
    <message>
        <location line="-1937"/>
        <source>Save...</source>
        <translation>Сохранить...</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+1948"/>
        <source>Save all model/dive parameters into a *.div file.&lt;br&gt;[Ctrl+S]</source>
        <translation>Сохранить все параметры модели и погружения в файл *.div.&lt;br&gt;[Ctrl+S]</translation>
    </message>
    <message>
        <location line="-1941"/>
        <source>Download</source>
        <translation>Считать</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+1968"/>
        <source>Read configuration (customtext, model, gas, setpoints, and all CFs) from OSTC.</source>
        <translation>Считать конфигурацию (свой текст, модель, газы, уставки и все CF) из OSTC.</translation>
    </message>
    <message>
        <location line="-1961"/>
        <source>Edit CF...</source>
        <translation>Изменить CF...</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+1969"/>
        <source>Edit custom text and all &lt;i&gt;custom functions&lt;/i&gt;.</source>
        <translation>Изменить свой текст и все &lt;i&gt;пользовательские функции&lt;/i&gt;.</translation>
    </message>
    <message>
        <location line="-1962"/>
        <source>Upload CF</source>
        <translation>Записать CF</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+1970"/>
        <source>Write configuration (customtext, model, gas, setpoints, and all CFs) to OSTC.</source>
        <translation>Записать конфигурацию (свой текст, модель, газы, уставки и все CF) в OSTC.</translation>
    </message>
    <message>
        <location line="-1963"/>
        <source> Screen Dump</source>
        <translation> Снимок экрана</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Download a copy of OSTC screen, and save to disk.</source>
        <translation>Считать копию экрана OSTC и сохранить на диск.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Upgrade</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Upgrade OSTC firmware.</source>
        <translation>Обновить прошивку OSTC.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Date &amp;&amp; Time</source>
        <translation>Дата и время</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Set OSTC date and time to your computer&apos;s time.</source>
        <translation>Установить дату и время OSTC по часам компьютера.</translation>
    </message>
    <message>
        <location line="+26"/>
        <location line="+1861"/>
        <source>Settings...</source>
        <translation>Настройки...</translation>
    </message>
    <message>
        <location line="-1854"/>
        <location line="+1970"/>
        <source>Help</source>
        <translation>Справка</translation>
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
        <translation>О программе</translation>
    </message>
    <message>
        <location line="-1958"/>
        <source>Quit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Decompression Model:</source>
        <translation>Модель декомпрессии:</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Bühlmann</source>
        <translation>Бюльман</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Sat:</source>
        <translation>Насыщ.:</translation>
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
        <translation>Множитель насыщения (CF11).</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Desat:</source>
        <translation>Рассыщ.:</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Desaturation multiplier (CF12).</source>
        <translation>Множитель рассыщения (CF12).</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Gradient Factor</source>
        <translation>Градиент-фактор</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Low:</source>
        <translation>Низ.:</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Gradient factor low (CF32).</source>
        <translation>Нижний градиент-фактор (CF32).</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>High:</source>
        <translation>Верх.:</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Gradient factor high (CF33).</source>
        <translation>Верхний градиент-фактор (CF33).</translation>
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
        <translation>Список газов:</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Gas 1</source>
        <translation>Газ 1</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+114"/>
        <location line="+111"/>
        <location line="+111"/>
        <location line="+111"/>
        <source>first</source>
        <translation>первый</translation>
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
        <translation>на</translation>
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
        <translation> м</translation>
    </message>
    <message>
        <location line="-1040"/>
        <location line="+111"/>
        <location line="+111"/>
        <location line="+111"/>
        <location line="+111"/>
        <source>MOD: 66m, EAD: ---, END: ---</source>
        <translation>MOD: 66м, EAD: ---, END: ---</translation>
    </message>
    <message>
        <location line="-437"/>
        <source>Gas 2</source>
        <translation>Газ 2</translation>
    </message>
    <message>
        <location line="+111"/>
        <source>Gas 3</source>
        <translation>Газ 3</translation>
    </message>
    <message>
        <location line="+111"/>
        <source>Gas 4</source>
        <translation>Газ 4</translation>
    </message>
    <message>
        <location line="+111"/>
        <source>Gas 5</source>
        <translation>Газ 5</translation>
    </message>
    <message>
        <location line="+111"/>
        <source>Gas switch delay:</source>
        <translation>Задержка смены газа:</translation>
    </message>
    <message>
        <location line="+22"/>
        <location line="+293"/>
        <location line="+172"/>
        <location line="+73"/>
        <source> min</source>
        <translation> мин</translation>
    </message>
    <message>
        <location line="-535"/>
        <location line="+293"/>
        <source>None</source>
        <translation>Нет</translation>
    </message>
    <message>
        <location line="-290"/>
        <source>Time to wait at a gas switch (CF55).</source>
        <translation>Время ожидания при смене газа (CF55).</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>CCR Setpoints:</source>
        <translation>Уставки CCR:</translation>
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
        <translation> бар</translation>
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
        <translation>Подстройка SP (CF39)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Dil 21/00, MOD: 40m, EAD: ---, END: ---</source>
        <translation>Дил 21/00, MOD: 40м, EAD: ---, END: ---</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Other OSTC dive settings:</source>
        <translation>Другие настройки погружения OSTC:</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Deco offset:</source>
        <translation>Смещение деко:</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Deco distance (CF16).</source>
        <translation>Смещение деко (CF16).</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Last stop:</source>
        <translation>Последняя ост.:</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Depth of the last stop (CF29).</source>
        <translation>Глубина последней остановки (CF29).</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Future TTS:</source>
        <translation>Будущий TTS:</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Time to surface after staying this much longer (CF58).</source>
        <translation>Время до всплытия, если остаться на это время дольше (CF58).</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>ppO2 max:</source>
        <translation>ppO2 макс.:</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Highest ppO2 of a gas, used for its MOD (CF18).</source>
        <translation>Наибольшее ppO2 газа, задаёт его MOD (CF18).</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Bottom gas:</source>
        <translation>Расход на дне:</translation>
    </message>
    <message>
        <location line="+22"/>
        <location line="+32"/>
        <source> l/min</source>
        <translation> л/мин</translation>
    </message>
    <message>
        <location line="-29"/>
        <source>Gas usage at the bottom (CF56).</source>
        <translation>Расход газа на дне (CF56).</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Ascent gas:</source>
        <translation>Расход на всплытии:</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Gas usage during the ascent (CF57).</source>
        <translation>Расход газа при всплытии (CF57).</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Shallowest stop first (CF54)</source>
        <translation>Сначала мелкая остановка (CF54)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Dive planning:</source>
        <translation>Планирование погружения:</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Interval:</source>
        <translation>Интервал:</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Reset</source>
        <translation>Сброс</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Surface interval before this dive; &lt;i&gt;Reset&lt;/i&gt; starts a new dive.</source>
        <translation>Поверхностный интервал перед погружением; &lt;i&gt;Сброс&lt;/i&gt; начинает новое погружение.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Surface:</source>
        <translation>Поверхность:</translation>
    </message>
    <message>
        <location line="+22"/>
        <source> mbar</source>
        <translation> мбар</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Atmospheric pressure at the surface.</source>
        <translation>Атмосферное давление на поверхности.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Bottom time:</source>
        <translation>Время на дне:</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Depth:</source>
        <translation>Глубина:</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Ascent:</source>
        <translation>Всплытие:</translation>
    </message>
    <message>
        <location line="+22"/>
        <source> m/min</source>
        <translation> м/мин</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ascent speed.</source>
        <translation>Скорость всплытия.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Replay mode</source>
        <translation>Режим повтора</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Simulate</source>
        <translation>Симуляция</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Gas volumes</source>
        <translation>Объёмы газа</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Ascent</source>
        <translation>Всплытие</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Plan sheet...</source>
        <translation>Лист плана...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The plan with its contingencies (deeper, longer, a gas lost, bail-out) on one printable slate, and the plan files.</source>
        <translation>План с запасными вариантами (глубже, дольше, потеря газа, переход на открытый контур) на одной печатной табличке, и файлы плана.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Replay dive</source>
        <translation>Повтор погружения</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Break on stops</source>
        <translation>Пауза на остановках</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Gas switches</source>
        <translation>Смены газа</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Break on gas switch</source>
        <translation>Пауза при смене газа</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Setpoint changes</source>
        <translation>Смены уставки</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Break on setpoint change</source>
        <translation>Пауза при смене уставки</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Recorded ppO2</source>
        <translation>Записанное ppO2</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Edit profile...</source>
        <translation>Изменить профиль...</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Run</source>
        <translation>Запуск</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Graphic output:</source>
        <translation>Графический вывод:</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Depth</source>
        <translation>Глубина</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Ceiling</source>
        <translation>Потолок</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Stop</source>
        <translation>Остановка</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Lead Tissue</source>
        <translation>Ведущая ткань</translation>
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
        <translation>Добавить план</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Pressure diagram</source>
        <translation>Диаграмма давлений</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Clear profile</source>
        <translation>Очистить профиль</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&amp;OSTC</source>
        <translation>&amp;OSTC</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Planning</source>
        <translation>&amp;Планирование</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>&amp;Load...</source>
        <translation>&amp;Загрузить...</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Save...</source>
        <translation>&amp;Сохранить...</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>E&amp;xit</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Download</source>
        <translation>&amp;Считать</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&amp;Edit CF...</source>
        <translation>&amp;Изменить CF...</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&amp;Upload CF</source>
        <translation>&amp;Записать CF</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Set Date &amp;&amp; Time</source>
        <translation>Установить дату и время</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Set OSTC Date and Time.</source>
        <translation>Установить дату и время OSTC.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Simulate</source>
        <translation>&amp;Симуляция</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>1. Make a time/depth simulation segment.</source>
        <translation>1. Смоделировать отрезок время/глубина.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Return</source>
        <translation>Return</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Gas &amp;volumes</source>
        <translation>&amp;Объёмы газа</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>2. Recompute decoplaning from here, and evaluate gas consumptions for each tank.&lt;br&gt;&lt;b&gt;Note&lt;/b&gt;: You can change gas list and test different runtimes.&lt;br&gt;&lt;b&gt;Note&lt;/b&gt;: In CCR mode, switch to BAILOUT escape runtime, hence &lt;i&gt;Add runtime&lt;/i&gt; will now plot bailout escape decoplaning.</source>
        <translation>2. Пересчитать деко-план отсюда и оценить расход газа по каждому баллону.&lt;br&gt;&lt;b&gt;Примечание&lt;/b&gt;: можно изменить список газов и проверить разные планы.&lt;br&gt;&lt;b&gt;Примечание&lt;/b&gt;: в режиме CCR включается аварийный план BAILOUT, и &lt;i&gt;Добавить план&lt;/i&gt; нарисует деко-план на bailout.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Ascent</source>
        <translation>&amp;Всплытие</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>3. Simulate an automatic ascent, obeying dynamically recomputed stops and gas changes.</source>
        <translation>3. Смоделировать автоматическое всплытие с динамически пересчитываемыми остановками и сменами газа.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Add &amp;runtime</source>
        <translation>&amp;Добавить план</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Add instant decoplan runtime to diagram (should be done after a &lt;i&gt;Simulate&lt;/i&gt; or &lt;i&gt;Gas Volumes&lt;/i&gt;).</source>
        <translation>Добавить текущий деко-план на диаграмму (после &lt;i&gt;Симуляция&lt;/i&gt; или &lt;i&gt;Объёмы газа&lt;/i&gt;).</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Clear profile</source>
        <translation>&amp;Очистить профиль</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Remove all curves from dive profile.</source>
        <translation>Удалить все кривые из профиля погружения.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Plan &amp;sheet...</source>
        <translation>&amp;Лист плана...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The plan with its contingencies on one printable slate, and the plan files.</source>
        <translation>План с запасными вариантами на одной печатной табличке, и файлы плана.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Pressure &amp;diagram</source>
        <translation>&amp;Диаграмма давлений</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Plot tissues N2+He tensions during &lt;i&gt;Simulate&lt;/i&gt; or &lt;i&gt;Ascent&lt;/i&gt; in a separated window.</source>
        <translation>Рисовать напряжения N2+He в тканях при &lt;i&gt;Симуляция&lt;/i&gt; или &lt;i&gt;Всплытие&lt;/i&gt; в отдельном окне.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Check updates</source>
        <translation>Проверить обновления</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Check for new Bathyra and firmware updates.</source>
        <translation>Проверить наличие новых версий Bathyra и прошивки.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Run script...</source>
        <translation>Выполнить скрипт...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Run an &lt;i&gt;Bathyra&lt;/i&gt;&apos;s script.</source>
        <translation>Выполнить скрипт &lt;i&gt;Bathyra&lt;/i&gt;.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Run all tests...</source>
        <translation>Выполнить все тесты...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Run all validation tests, and save HTML reports.</source>
        <translation>Выполнить все проверочные тесты и сохранить отчёты HTML.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Stop script</source>
        <translation>Остановить скрипт</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Stop the running script or tests.</source>
        <translation>Остановить выполняемый скрипт или тесты.</translation>
    </message>
</context>
<context>
    <name>BathyraApplication</name>
    <message>
        <location filename="../../app/application.cpp" line="+35"/>
        <source>Unhandled exception: %1</source>
        <comment>Console</comment>
        <translation>Необработанное исключение: %1</translation>
    </message>
</context>
<context>
    <name>Bathyra_Interface</name>
    <message>
        <location filename="../../planner/dive_parameters.cpp" line="+175"/>
        <source>MOD:%1m, EAD:---, END:---</source>
        <comment>gas</comment>
        <translation>MOD:%1м, EAD:---, END:---</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>MOD:%1m, EAD:%2m, END:%3m</source>
        <comment>gas</comment>
        <translation>MOD:%1м, EAD:%2м, END:%3м</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Dil:%1/%2, CCR max depth:%3m, EAD:%4m, END:%5m</source>
        <translation>Дил:%1/%2, макс. глубина CCR:%3м, EAD:%4м, END:%5м</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Dil:%1/%2, CCR max depth:%3m, EAD:---, END:---</source>
        <translation>Дил:%1/%2, макс. глубина CCR:%3м, EAD:---, END:---</translation>
    </message>
    <message>
        <location line="+66"/>
        <source>HYPOXIA: won&apos;t simulate with ppO2 &amp;le; 0.15 bar</source>
        <translation>ГИПОКСИЯ: симуляция невозможна при ppO2 &amp;le; 0.15 бар</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>BAD MIX: N2 ration should be in 0 .. 95%</source>
        <translation>НЕВЕРНАЯ СМЕСЬ: доля N2 должна быть от 0 до 95%</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>BAD MIX: He ration should be in 0 .. 95%</source>
        <translation>НЕВЕРНАЯ СМЕСЬ: доля He должна быть от 0 до 95%</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>BAD MIX: N2+He ratio should be less than 100%</source>
        <translation>НЕВЕРНАЯ СМЕСЬ: N2+He должно быть меньше 100%</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>NARCOSIS: won&apos;t simulate with ppN2 &amp;ge; 14 bar</source>
        <translation>НАРКОЗ: симуляция невозможна при ppN2 &amp;ge; 14 бар</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>HPNS: won&apos;t simulate with ppHe &amp;ge; 14 bar</source>
        <translation>HPNS: симуляция невозможна при ppHe &amp;ge; 14 бар</translation>
    </message>
    <message>
        <location filename="../../app/bathyra_device.cpp" line="+79"/>
        <source>FAILED</source>
        <translation>ОШИБКА</translation>
    </message>
    <message>
        <location filename="../../app/bathyra_interface.cpp" line="+146"/>
        <source>Load dive parameters...</source>
        <translation>Загрузить параметры погружения...</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+37"/>
        <source>Dives params (*.div)</source>
        <comment>file format</comment>
        <translation>Параметры погружения (*.div)</translation>
    </message>
    <message>
        <location line="-18"/>
        <source>Cannot open %1: no readable file</source>
        <translation>Не удаётся открыть %1: нет доступного для чтения файла</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Save all parameters...</source>
        <comment>Save .div</comment>
        <translation>Сохранить все параметры...</translation>
    </message>
    <message>
        <location line="+66"/>
        <location line="+72"/>
        <source>Bathyra help</source>
        <translation>Справка Bathyra</translation>
    </message>
    <message>
        <location line="-59"/>
        <source>&lt;font size=&apos;+3&apos;&gt;&lt;i&gt;Bathyra&lt;/i&gt;&lt;/font&gt; &lt;i&gt;v%1%2 - OSTC firmware %3.%4%5&lt;/i&gt;&lt;br&gt;</source>
        <translation>&lt;font size=&apos;+3&apos;&gt;&lt;i&gt;Bathyra&lt;/i&gt;&lt;/font&gt; &lt;i&gt;v%1%2 - прошивка OSTC %3.%4%5&lt;/i&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&lt;i&gt;Bathyra&lt;/i&gt; software purposes is:&lt;ul&gt;&lt;li&gt;To play with and understand the decompression parameters of your &lt;i&gt;OSTC&lt;/i&gt; computer (model, gradient factors, switch depth, etc.).&lt;li&gt;To plot simulated dive profiles and compare several configurations (gas mix, deco tanks, setpoints, stops, etc.)&lt;li&gt;To check the &lt;i&gt;OSTC&lt;/i&gt; by comparing its results to other deco softwares.&lt;li&gt;To backup, edit and restore your &lt;i&gt;OSTC&lt;/i&gt; computer configurations.&lt;/ul&gt;</source>
        <translation>&lt;i&gt;Bathyra&lt;/i&gt; служит для того, чтобы:&lt;ul&gt;&lt;li&gt;изучать и понимать параметры декомпрессии вашего компьютера &lt;i&gt;OSTC&lt;/i&gt; (модель, градиент-факторы, глубины смены газа и т. д.);&lt;li&gt;строить профили смоделированных погружений и сравнивать конфигурации (смеси, деко-баллоны, уставки, остановки и т. д.);&lt;li&gt;проверять &lt;i&gt;OSTC&lt;/i&gt;, сравнивая его результаты с другими деко-программами;&lt;li&gt;сохранять, изменять и восстанавливать конфигурацию вашего &lt;i&gt;OSTC&lt;/i&gt;.&lt;/ul&gt;</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The Bathyra developers. Free software under the GNU General Public License, version 3 or later (%1), without any warranty. Built with Qt (%2) and Qwt (%3).</source>
        <translation>Разработчики Bathyra. Свободная программа под лицензией GNU General Public License версии 3 или более поздней (%1), без каких-либо гарантий. Создана с использованием Qt (%2) и Qwt (%3).</translation>
    </message>
    <message>
        <location filename="../../app/bathyra_parameters.cpp" line="+178"/>
        <source>CF%1 (%2): %3 is beyond the planner&apos;s range, %4 is used.</source>
        <translation>CF%1 (%2): %3 вне диапазона планировщика, используется %4.</translation>
    </message>
    <message>
        <location filename="../../app/bathyra_interface.cpp" line="-81"/>
        <location filename="../../app/bathyra_parameters.cpp" line="+109"/>
        <source>Parameters not saved: %1</source>
        <translation>Параметры не сохранены: %1</translation>
    </message>
    <message>
        <location filename="../../app/bathyra_script.cpp" line="+175"/>
        <source>Run Script...</source>
        <translation>Выполнить скрипт...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bathyra Script (*.qs *.js)</source>
        <comment>scrit format</comment>
        <translation>Скрипт Bathyra (*.qs *.js)</translation>
    </message>
    <message>
        <location filename="../../app/bathyra_plan_tools.cpp" line="+18"/>
        <source>Longest bottom time...</source>
        <translation>Наибольшее донное время...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Compare plans...</source>
        <translation>Сравнить планы...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Plan against log...</source>
        <translation>План и журнал...</translation>
    </message>
</context>
<context>
    <name>BottomTimeSolver</name>
    <message>
        <location filename="../../planner/bottom_time_solver.cpp" line="+17"/>
        <source>no decompression</source>
        <translation>без декомпрессии</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>runtime ≤ %1 min</source>
        <translation>общее время ≤ %1 мин</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>TTS ≤ %1 min</source>
        <translation>TTS ≤ %1 мин</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>total stop time ≤ %1 min</source>
        <translation>общее время остановок ≤ %1 мин</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>every cylinder within the reserve rule</source>
        <translation>каждый баллон в пределах правила резерва</translation>
    </message>
    <message>
        <location line="+85"/>
        <source>no bottom time meets the target %1</source>
        <translation>ни одно донное время не выполняет цель %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>longest bottom time: %1 min or more for %2</source>
        <translation>наибольшее донное время: %1 мин или больше для %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>longest bottom time: %1 min for %2</source>
        <translation>наибольшее донное время: %1 мин для %2</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The reserve target needs a cylinder (size and fill) for a gas of the plan</source>
        <translation>Для цели по правилу резерва нужен баллон (объём и давление заправки) для газа плана</translation>
    </message>
</context>
<context>
    <name>CF menu (15 char max)</name>
    <message>
        <location filename="../../device/cf_table.cpp" line="+18"/>
        <source>unused</source>
        <translation>не исп.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Start Dive [m]</source>
        <translation>Начало погр.[м]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>End Dive [m]</source>
        <translation>Конец погр.[м]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>End Delay [sec]</source>
        <translation>Задерж.конца[с]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Power Off [min]</source>
        <translation>Выключение[мин]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pre-menu [min]</source>
        <translation>Предменю [мин]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>velocity[m/min]</source>
        <translation>Скорость[м/мин]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wake-up  [mbar]</source>
        <translation>Пробужд.[мбар]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>max.Surf.[mbar]</source>
        <translation>макс.пов.[мбар]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>GF display [%]</source>
        <translation>Показ GF [%]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>min. O2 Dis.[%]</source>
        <translation>мин. O2 пок[%]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dive menus[min]</source>
        <translation>Меню погр[мин]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Saturate x [%]</source>
        <translation>Насыщение x[%]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Desaturate x[%]</source>
        <translation>Рассыщение x[%]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>NoFly Ratio [%]</source>
        <translation>Запрет пол.[%]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>GF alarm 1 [%]</source>
        <translation>Тревога GF1 [%]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CNSshow surf[%]</source>
        <translation>CNS пов. [%]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Deco Offset [m]</source>
        <translation>Смещ. деко [м]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ppO2 low [bar]</source>
        <translation>ppO2 мин [бар]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ppO2 high [bar]</source>
        <translation>ppO2 макс [бар]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ppO2 show [bar]</source>
        <translation>ppO2 пок. [бар]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>sampling rate</source>
        <translation>Частота записи</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Divisor Temp</source>
        <translation>Делит. темп.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Divisor Decodat</source>
        <translation>Делит. деко</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Divisor GF</source>
        <translation>Делит. GF</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Divisor ppO2</source>
        <translation>Делит. ppO2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Divisor Debug</source>
        <translation>Делит. отладки</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Divisor CNS</source>
        <translation>Делит. CNS</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CNSshow dive[%]</source>
        <translation>CNS погр. [%]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Logbook offset</source>
        <translation>Смещ. журнала</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Last Deco at[m]</source>
        <translation>Посл. деко [м]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>End Apnoe [h]</source>
        <translation>Конец апноэ[ч]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show Batt.Volts</source>
        <translation>Напряж. батар.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>GF Low [%]</source>
        <translation>GF низ. [%]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>GF High [%]</source>
        <translation>GF верх. [%]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Color# Battery </source>
        <translation>Цвет# батареи</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Color# Standard</source>
        <translation>Цвет# обычный</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Color# Divemask</source>
        <translation>Цвет# маски</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Color# Warnings</source>
        <translation>Цвет# предупр.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Divemode secs. </source>
        <translation>Режим погр. с</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Adjust fixed SP</source>
        <translation>Подстр. SP</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Warn Ceiling</source>
        <translation>Предупр. потол.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mix type icons</source>
        <translation>Значки смеси</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Blink BetterGas</source>
        <translation>Мигать лучш.газ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DepthWarn[mbar]</source>
        <translation>Пред.глуб[мбар]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CNS warning [%]</source>
        <translation>Предупр. CNS[%]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>GF warning [%]</source>
        <translation>Предупр. GF [%]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ppO2 warn [bar]</source>
        <translation>Пред.ppO2 [бар]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vel.warn[m/min]</source>
        <translation>Пред.ск.[м/мин]</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Time offset/day</source>
        <translation>Корр.врем./сут</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show altimeter</source>
        <translation>Высотомер</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show Log-Marker</source>
        <translation>Метки журнала</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show Stopwatch</source>
        <translation>Секундомер</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ShowTissueGraph</source>
        <translation>График тканей</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show Lead.Tiss.</source>
        <translation>Ведущая ткань</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ShallowStop 1st</source>
        <translation>Мелк.ост.первой</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gas switch[min]</source>
        <translation>Смена газа[мин]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>BottomGas[/min]</source>
        <translation>Газ дно [/мин]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>AscentGas[/min]</source>
        <translation>Газ всплы[/мин]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Future TTS[min]</source>
        <translation>Буд. TTS [мин]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cave Bail Alarm</source>
        <translation>Трев. bail пещ.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Graph. Velocity</source>
        <translation>Граф. скорости</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show pSCR ppO2</source>
        <translation>ppO2 pSCR</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>pSCR O2 Drop[%]</source>
        <translation>Паден.O2 pSCR%</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>pSCR lung ratio</source>
        <translation>pSCR доля лёгк.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Color# inactive</source>
        <translation>Цвет# неакт.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Use safety stop</source>
        <translation>Страх. остан.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show GF in NDL</source>
        <translation>GF при NDL</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alt. GF Low [%]</source>
        <translation>Альт. GF низ[%]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alt. GF High[%]</source>
        <translation>Альт. GF верх%</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Allow GF change</source>
        <translation>Смена GF разр.</translation>
    </message>
</context>
<context>
    <name>CF_Editor_Dialog</name>
    <message>
        <location filename="../../cfeditor/cf_editor.ui" line="+6"/>
        <source>Edit Custom Functions</source>
        <translation>Изменение пользовательских функций</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Custom Functions I</source>
        <translation>Функции I</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Custom Functions II</source>
        <translation>Функции II</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Custom Functions III</source>
        <translation>Функции III</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Custom text:</source>
        <translation>Свой текст:</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Text shown by the OSTC on its surface screen (at most 25 characters).</source>
        <translation>Текст, который OSTC показывает на экране в режиме поверхности (не более 25 символов).</translation>
    </message>
</context>
<context>
    <name>CF_Editor_Interface</name>
    <message>
        <location filename="../../cfeditor/cf_editor.cpp" line="+245"/>
        <source>value %1 is kept: it cannot be shown here</source>
        <translation>значение %1 сохраняется: его нельзя показать здесь</translation>
    </message>
    <message>
        <location line="+65"/>
        <source>OSTC &lt;i&gt;serial not loaded&lt;/i&gt;</source>
        <comment>EEPROM</comment>
        <translation>OSTC &lt;i&gt;серийный номер не загружен&lt;/i&gt;</translation>
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
        <translation>Выбор цвета</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Click to change color</source>
        <comment>CF color</comment>
        <translation>Щёлкните, чтобы изменить цвет</translation>
    </message>
</context>
<context>
    <name>ConfigImage</name>
    <message>
        <location filename="../../device/cf_table.cpp" line="+40"/>
        <source>No custom function CF%1</source>
        <translation>Нет пользовательской функции CF%1</translation>
    </message>
    <message>
        <location filename="../../device/config_image.cpp" line="+92"/>
        <source>Configuration image must be %1 bytes, got %2</source>
        <translation>Образ конфигурации должен иметь %1 байт, получено %2</translation>
    </message>
    <message>
        <location line="-69"/>
        <source>No configuration bank %1</source>
        <translation>Нет банка конфигурации %1</translation>
    </message>
    <message>
        <location line="+85"/>
        <source>Configuration bank %1 must be %2 bytes, got %3</source>
        <translation>Банк конфигурации %1 должен иметь %2 байт, получено %3</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+7"/>
        <source>Configuration image offset %1 out of range</source>
        <translation>Смещение %1 вне образа конфигурации</translation>
    </message>
    <message>
        <location line="+73"/>
        <location line="+4"/>
        <source>value %1, min %2</source>
        <translation>значение %1, мин %2</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>value %1 %, min %2 %</source>
        <translation>значение %1 %, мин %2 %</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>value %1, max %2 %</source>
        <translation>значение %1, макс %2 %</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>value %1, max %2</source>
        <translation>значение %1, макс %2</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>EEPROM: bad serial</source>
        <translation>EEPROM: неверный серийный номер</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>EEPROM: bad firmware version</source>
        <translation>EEPROM: неверная версия прошивки</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>EEPROM: bad deco type</source>
        <translation>EEPROM: неверный тип деко</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Bad CF settings:</source>
        <translation>Неверные настройки CF:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Battery: bad min tp %1°C</source>
        <translation>Батарея: неверная мин. темп. %1°C</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Battery: bad max tp %1°C</source>
        <translation>Батарея: неверная макс. темп. %1°C</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Battery: bad min/max tp %1°C %2°C</source>
        <translation>Батарея: неверная мин./макс. темп. %1°C %2°C</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Battery: bad low %1 volt</source>
        <translation>Батарея: неверное мин. напряжение %1 В</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Battery: bad cycle count %1</source>
        <translation>Батарея: неверное число циклов %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Battery: bad total cycle count %1</source>
        <translation>Батарея: неверное общее число циклов %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Battery: no last charge date</source>
        <translation>Батарея: нет даты последней зарядки</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Battery: bad last charge date</source>
        <translation>Батарея: неверная дата последней зарядки</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Battery: bad date</source>
        <translation>Батарея: неверная дата</translation>
    </message>
</context>
<context>
    <name>Console</name>
    <message>
        <location filename="../../profiles/logbook_files.cpp" line="+49"/>
        <source>Unsupported XML format (neither DivingLog or Shearwater)</source>
        <translation>Неподдерживаемый формат XML (не DivingLog и не Shearwater)</translation>
    </message>
    <message>
        <location line="-27"/>
        <source>Cannot open profile.</source>
        <translation>Не удалось открыть профиль.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>its root element is not &lt;%1&gt;</source>
        <translation>его корневой элемент не &lt;%1&gt;</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Unknown file format.</source>
        <translation>Неизвестный формат файла.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Cannot load profile.</source>
        <translation>Не удалось загрузить профиль.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Cannot load profile: no sample of &apos;%1&apos; has a depth.</source>
        <translation>Невозможно загрузить профиль: ни у одной точки &apos;%1&apos; нет глубины.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Cannot load profile: all %1 samples of &apos;%2&apos; are at one time.</source>
        <translation>Невозможно загрузить профиль: все %1 точек &apos;%2&apos; относятся к одному моменту.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Unknown save file format</source>
        <translation>Неизвестный формат для сохранения</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Cannot save profile.</source>
        <translation>Не удалось сохранить профиль.</translation>
    </message>
    <message>
        <location filename="../../profiles/profile_readers.cpp" line="+134"/>
        <source>Sample time %1 s is not a dive time.</source>
        <translation>Время отсчёта %1 с не является временем погружения.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Sample depth %1 m at %2 s is not a depth.</source>
        <translation>Глубина отсчёта %1 м на %2 с не является глубиной.</translation>
    </message>
    <message>
        <location line="+73"/>
        <source>elements nested more than %1 deep</source>
        <translation>элементы вложены глубже %1 уровней</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>line %1, column %2: %3</source>
        <translation>строка %1, столбец %2: %3</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Reading DivingLog XML format</source>
        <translation>Чтение формата DivingLog XML</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Profile depths in feet (deepest %1 ft, the dive&apos;s maximum depth %2 m): converted to metres.</source>
        <translation>Глубины профиля в футах (наибольшая %1 ft, максимальная глубина погружения %2 м): пересчитаны в метры.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Profile depths reach %1 m but the dive&apos;s maximum depth is %2 m: the depths are read as metres.</source>
        <translation>Глубины профиля доходят до %1 м, а максимальная глубина погружения %2 м: глубины читаются в метрах.</translation>
    </message>
    <message>
        <location line="+73"/>
        <source>Reading Shearwater XML format</source>
        <translation>Чтение формата Shearwater XML</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Dive starting: %1</source>
        <translation>Начало погружения: %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Setpoints not recorded.</source>
        <translation>Уставки не записаны.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source> Using SP#1 as SP_low=%1, SP#2 as SP_high=%2</source>
        <translation> SP#1 используется как SP_low=%1, SP#2 как SP_high=%2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source> Using SP_low=%1, SP_high=%2</source>
        <translation> Используются SP_low=%1, SP_high=%2</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Recorded ppO2 %1 bar at %2 s is not a ppO2.</source>
        <translation>Записанное ppO2 %1 бар на %2 с не является ppO2.</translation>
    </message>
    <message>
        <location filename="../../profiles/uddf_formats.cpp" line="+147"/>
        <source>This is a CCR dive.</source>
        <translation>Это погружение CCR.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>This is an OC dive.</source>
        <translation>Это погружение OC.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Unknown OC/CCR mode.</source>
        <translation>Неизвестный режим OC/CCR.</translation>
    </message>
    <message>
        <location line="+45"/>
        <location line="+160"/>
        <source>Mix %1 is not a breathable mix.</source>
        <translation>Смесь %1 непригодна для дыхания.</translation>
    </message>
    <message>
        <location line="-121"/>
        <source>Setpoint %1 Pa at %2 s is not a setpoint.</source>
        <translation>Уставка %1 Па на %2 с не является уставкой.</translation>
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
        <translation>Газ#%1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>SWITCH Gas#%1 -&gt; Gas#%2</source>
        <translation>СМЕНА Газ#%1 -&gt; Газ#%2</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+6"/>
        <source> at %1m</source>
        <comment>gaz switch</comment>
        <translation> на %1м</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>BAILOUT Gas#%1</source>
        <translation>BAILOUT Газ#%1</translation>
    </message>
</context>
<context>
    <name>HexImage</name>
    <message>
        <location filename="../../device/hex_image.cpp" line="+54"/>
        <source>Bad HEX format</source>
        <translation>Неверный формат HEX</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Bad HEX checksum</source>
        <translation>Неверная контрольная сумма HEX</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Bad HEX record length</source>
        <translation>Неверная длина записи HEX</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>BAD HEX address</source>
        <translation>НЕВЕРНЫЙ адрес HEX</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Double write</source>
        <translation>Повторная запись</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Bad HEX Segment Address record</source>
        <translation>Неверная запись HEX Segment Address</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Bad HEX Extended Linear Address Record</source>
        <translation>Неверная запись HEX Extended Linear Address</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Bad HEX subtype</source>
        <translation>Неверный подтип HEX</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1KB loaded (%2% of firmware area)</source>
        <translation>Загружено %1 КБ (%2% области прошивки)</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>%1 (line %2)</source>
        <translation>%1 (строка %2)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Missing HEX end-of-file record</source>
        <translation>Нет записи конца файла HEX</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Can&apos;t open HEX file</source>
        <translation>Не удалось открыть файл HEX</translation>
    </message>
</context>
<context>
    <name>LogCheck</name>
    <message>
        <location filename="../../planner/log_check.cpp" line="+24"/>
        <source>%1: plan %2 %5, log %3 %5 (%4)</source>
        <translation>%1: план %2 %5, журнал %3 %5 (%4)</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>The log holds no dive: no depth below the surface</source>
        <translation>В журнале нет погружения: нет глубины ниже поверхности</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>m</source>
        <translation>м</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>min</source>
        <translation>мин</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>max depth</source>
        <translation>максимальная глубина</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>bottom time</source>
        <translation>донное время</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>runtime</source>
        <translation>общее время</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>total stop time</source>
        <translation>общее время остановок</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>TTS at the end of the bottom</source>
        <translation>TTS в конце донного времени</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>CNS</source>
        <translation>CNS</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>ceiling kept during the whole dive</source>
        <translation>потолок соблюдён всё погружение</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>above the ceiling from %1 to %2 min, worst %3 m above it</source>
        <translation>выше потолка с %1 по %2 мин, не более %3 м выше него</translation>
    </message>
</context>
<context>
    <name>LogCheckInterface</name>
    <message>
        <location filename="../../app/log_check_window.cpp" line="+41"/>
        <source>Browse...</source>
        <translation>Обзор...</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>No parameter file %1</source>
        <translation>Нет файла параметров %1</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Logbook files (*.xml *.uddf *.udcf);;All files (*)</source>
        <translation>Файлы журнала (*.xml *.uddf *.udcf);;Все файлы (*)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dive parameters (*.div);;All files (*)</source>
        <translation>Параметры погружения (*.div);;Все файлы (*)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Current configuration</source>
        <translation>Текущая конфигурация</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+1"/>
        <source>Parameter file</source>
        <translation>Файл параметров</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Read from the computer</source>
        <translation>Прочитанная с компьютера</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Current parameters</source>
        <translation>Текущие параметры</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Logged dive:</source>
        <translation>Записанное погружение:</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Dived with:</source>
        <translation>Конфигурация погружения:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Planned as:</source>
        <translation>План:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Check</source>
        <translation>Проверить</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Another command is running</source>
        <translation>Выполняется другая команда</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The configuration was not read from the computer: %1</source>
        <translation>Конфигурация не прочитана с компьютера: %1</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>plan</source>
        <translation>план</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>log %1</source>
        <translation>журнал %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ceiling of the log</source>
        <translation>потолок журнала</translation>
    </message>
</context>
<context>
    <name>OstcProtocol</name>
    <message>
        <location filename="../../device/ostc_protocol.cpp" line="+122"/>
        <source>bank %1, write command: %2</source>
        <translation>банк %1, команда записи: %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bank %1, byte %2: %3</source>
        <translation>банк %1, байт %2: %3</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>Can&apos;t validate EEPROM contains</source>
        <translation>Не удалось проверить содержимое EEPROM</translation>
    </message>
    <message>
        <location line="-38"/>
        <source>CFI...</source>
        <translation>CFI...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>CFI done.</source>
        <translation>CFI готово.</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>CFII...</source>
        <translation>CFII...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>CFII done.</source>
        <translation>CFII готово.</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>CFIII...</source>
        <translation>CFIII...</translation>
    </message>
    <message>
        <location line="-68"/>
        <source>no answer from the computer</source>
        <translation>компьютер не отвечает</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Downloading OSTC configuration (%1)</source>
        <translation>Чтение конфигурации OSTC (%1)</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>CFIII done.</source>
        <translation>CFIII готово.</translation>
    </message>
    <message>
        <location line="+70"/>
        <source>Readback differ</source>
        <translation>Считанные данные отличаются</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Uploading OSTC configuration (%1)</source>
        <translation>Загрузка конфигурации OSTC (%1)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Upload failed; writing back the computer&apos;s previous configuration...</source>
        <translation>Загрузка не удалась; записывается прежняя конфигурация компьютера...</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>The computer holds its previous configuration again.</source>
        <translation>Компьютер снова содержит свою прежнюю конфигурацию.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Bank 0 may be partly written.</source>
        <translation>Банк 0 может быть записан частично.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Banks 0 to %1 are new, bank %2 may be partly written.</source>
        <translation>Банки с 0 по %1 новые, банк %2 может быть записан частично.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The previous configuration could not be written back: %1 Upload again, or upload the backup.</source>
        <translation>Прежнюю конфигурацию не удалось записать обратно: %1 Загрузите снова или загрузите резервную копию.</translation>
    </message>
    <message>
        <location line="+42"/>
        <location line="+8"/>
        <source>Sync failed (%1)</source>
        <translation>Сбой синхронизации (%1)</translation>
    </message>
    <message>
        <location line="+69"/>
        <source>Dump screen failed (%1)</source>
        <translation>Не удалось получить снимок экрана (%1)</translation>
    </message>
    <message>
        <location line="-8"/>
        <source>Screen dumped.</source>
        <translation>Снимок экрана получен.</translation>
    </message>
    <message>
        <location line="+46"/>
        <location line="+24"/>
        <source>Write failed</source>
        <translation>Ошибка записи</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>Bad checksum at 0x%1</source>
        <translation>Неверная контрольная сумма на 0x%1</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Cannot start firmware upgrade</source>
        <translation>Не удалось начать обновление прошивки</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Cannot sync firmware upgrade</source>
        <translation>Не удалось синхронизировать обновление прошивки</translation>
    </message>
</context>
<context>
    <name>PlanComparison</name>
    <message>
        <location filename="../../planner/plan_comparison.cpp" line="+185"/>
        <source>runtime (min)</source>
        <translation>общее время (мин)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>TTS (min)</source>
        <translation>TTS (мин)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>first stop (m)</source>
        <translation>первая остановка (м)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>total stop time (min)</source>
        <translation>общее время остановок (мин)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>CNS (%)</source>
        <translation>CNS (%)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>max ppO2 (bar)</source>
        <translation>макс. ppO2 (бар)</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>%1 (litres)</source>
        <translation>%1 (литры)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 (bar)</source>
        <translation>%1 (бар)</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>figure</source>
        <translation>показатель</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 - %2</source>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <location filename="../../app/plan_plot.cpp" line="+44"/>
        <source>%1 ceiling</source>
        <translation>потолок %1</translation>
    </message>
    <message>
        <location filename="../../cli/plan_tool_steps.cpp" line="+41"/>
        <source>plans: %1</source>
        <translation>планы: %1</translation>
    </message>
</context>
<context>
    <name>PlanComparisonInterface</name>
    <message>
        <location filename="../../app/plan_comparison_window.cpp" line="+66"/>
        <source>Add current plan</source>
        <translation>Добавить текущий план</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Add log...</source>
        <translation>Добавить журнал...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Rename...</source>
        <translation>Переименовать...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Make current</source>
        <translation>Сделать текущим</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Export CSV...</source>
        <translation>Экспорт CSV...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Export PDF...</source>
        <translation>Экспорт PDF...</translation>
    </message>
    <message>
        <location line="+80"/>
        <source>Add a logged dive</source>
        <translation>Добавить записанное погружение</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Logbook files (*.xml *.uddf *.udcf);;All files (*)</source>
        <translation>Файлы журнала (*.xml *.uddf *.udcf);;Все файлы (*)</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Rename plan</source>
        <translation>Переименовать план</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Name:</source>
        <translation>Имя:</translation>
    </message>
    <message>
        <location line="+73"/>
        <source>Export the comparison</source>
        <translation>Экспорт сравнения</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>CSV files (*.csv)</source>
        <translation>Файлы CSV (*.csv)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>PDF files (*.pdf)</source>
        <translation>Файлы PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>PlanPlot</name>
    <message>
        <location filename="../../app/plan_plot.cpp" line="-28"/>
        <source>time (min)</source>
        <translation>время (мин)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>depth (m)</source>
        <translation>глубина (м)</translation>
    </message>
</context>
<context>
    <name>PlanSheetInterface</name>
    <message>
        <location filename="../../app/plan_sheet.cpp" line="+152"/>
        <location line="+163"/>
        <source>Plan sheet</source>
        <comment>Window Title</comment>
        <translation>Лист плана</translation>
    </message>
    <message>
        <location line="-162"/>
        <source>Deeper by (m):</source>
        <translation>Глубже на (м):</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Longer by (min):</source>
        <translation>Дольше на (мин):</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cylinder (l)</source>
        <translation>Баллон (л)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fill (bar)</source>
        <translation>Давление (бар)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reserve rule:</source>
        <translation>Правило резерва:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Slate page:</source>
        <translation>Формат таблички:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Contingencies (bar used in red and marked &quot;!&quot; where the reserve rule breaks):</source>
        <translation>Запасные варианты (израсходованные бар красным и с пометкой &quot;!&quot;, где нарушено правило резерва):</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Update</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Print...</source>
        <translation>Печать...</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+127"/>
        <source>Save slate...</source>
        <translation>Сохранить табличку...</translation>
    </message>
    <message>
        <location line="-126"/>
        <location line="+133"/>
        <source>Save plan file...</source>
        <translation>Сохранить файл плана...</translation>
    </message>
    <message>
        <location line="-88"/>
        <source>Gas %1 (%2):</source>
        <translation>Газ %1 (%2):</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gas %1 (off):</source>
        <translation>Газ %1 (выкл.):</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Variant</source>
        <translation>Вариант</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Runtime (min)</source>
        <translation>Время погружения (мин)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>TTS (min)</source>
        <translation>TTS (мин)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>First stop (m)</source>
        <translation>Первая остановка (м)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Stops (min)</source>
        <translation>Остановки (мин)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>CNS (%)</source>
        <translation>CNS (%)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Max ppO2 (bar)</source>
        <translation>Макс. ppO2 (бар)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 (l)</source>
        <translation>%1 (л)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 (bar)</source>
        <translation>%1 (бар)</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>Slates (*.pdf *.svg *.png)</source>
        <comment>file format</comment>
        <translation>Таблички (*.pdf *.svg *.png)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Plan files (*.json *.csv)</source>
        <comment>file format</comment>
        <translation>Файлы плана (*.json *.csv)</translation>
    </message>
</context>
<context>
    <name>PlotDialog</name>
    <message>
        <location filename="../plot_dialog.ui" line="+14"/>
        <source>Plot</source>
        <translation>График</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Save image...</source>
        <translation>Сохранить изображение...</translation>
    </message>
</context>
<context>
    <name>PlotInterface</name>
    <message>
        <location filename="../../plot/plot_export.cpp" line="+31"/>
        <source>Jpeg image</source>
        <comment>file format</comment>
        <translation>Изображение JPEG</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>PNG image</source>
        <comment>file format</comment>
        <translation>Изображение PNG</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TIFF image</source>
        <comment>file format</comment>
        <translation>Изображение TIFF</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>PDF file</source>
        <comment>file format</comment>
        <translation>Файл PDF</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SVG file</source>
        <comment>file format</comment>
        <translation>Файл SVG</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>No image file name: &quot;%1&quot;</source>
        <comment>Save plot as image</comment>
        <translation>Нет имени файла изображения: &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+69"/>
        <source>the PDF could not be made in %1</source>
        <translation>не удалось создать PDF в %1</translation>
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
        <translation>Уставка:%1</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../../plot/plot_interface.cpp" line="+467"/>
        <location filename="../../plot/plot_tissues.cpp" line="+120"/>
        <source>Gas%1:</source>
        <comment>Plot label</comment>
        <translation>Газ%1:</translation>
    </message>
    <message>
        <location filename="../../planner/run_plot.cpp" line="+14"/>
        <source>depth</source>
        <comment>Plot legend</comment>
        <translation>глубина</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ceiling</source>
        <comment>Plot legend</comment>
        <translation>потолок</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>leading tissue</source>
        <comment>Plot axis</comment>
        <translation>ведущая ткань</translation>
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
        <translation>NDL/остановка</translation>
    </message>
    <message>
        <location filename="../../plot/plot_interface.cpp" line="-209"/>
        <source>[Bar]</source>
        <translation>[бар]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>[%]</source>
        <translation>[%]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>[min]</source>
        <translation>[мин]</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Air</source>
        <comment>Plot label</comment>
        <translation>Воздух</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>Dive traces</source>
        <comment>Plot title</comment>
        <translation>Графики погружения</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tissues plot</source>
        <comment>Plot title</comment>
        <translation>График тканей</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Depth [m]</source>
        <comment>Plot axis</comment>
        <translation>Глубина [м]</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>time [min]</source>
        <comment>Plot axis</comment>
        <translation>время [мин]</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>P. ambient [absolute, bar]</source>
        <comment>Plot axis</comment>
        <translation>P окр. [абсолютное, бар]</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>P. tissue [N2+He, bar]</source>
        <comment>Plot axis</comment>
        <translation>P ткани [N2+He, бар]</translation>
    </message>
    <message>
        <location filename="../../plot/plot_tissues.cpp" line="-69"/>
        <source>Surface</source>
        <comment>Plot label</comment>
        <translation>Поверхность</translation>
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
        <translation>Всего= %2</translation>
    </message>
    <message>
        <location line="+77"/>
        <source>Dump image to...</source>
        <comment>Save plot as image</comment>
        <translation>Сохранить изображение как...</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Saving plot %1</source>
        <comment>Console</comment>
        <translation>Сохранение графика %1</translation>
    </message>
</context>
<context>
    <name>ProfileEditorInterface</name>
    <message>
        <location filename="../../profiles/profile_editor.cpp" line="+125"/>
        <source>depth [m]</source>
        <translation>глубина [м]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Time [min]</source>
        <translation>Время [мин]</translation>
    </message>
    <message>
        <location line="+79"/>
        <location line="+19"/>
        <source>Loading profile...</source>
        <translation>Загрузка профиля...</translation>
    </message>
    <message>
        <location line="-16"/>
        <source>All supported profiles (*.xml *.uddf *.udcf);;XML: DivingLog 5, Shearwater Desktop (*.xml);;UDDF: DivingLog 2 or 3 (*.uddf);;UDCF: MacDive (*.udcf);;</source>
        <translation>Все поддерживаемые профили (*.xml *.uddf *.udcf);;XML: DivingLog 5, Shearwater Desktop (*.xml);;UDDF: DivingLog 2 или 3 (*.uddf);;UDCF: MacDive (*.udcf);;</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>The profile &apos;%1&apos; was not loaded: %2</source>
        <translation>Профиль &apos;%1&apos; не загружен: %2</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Saving profile...</source>
        <translation>Сохранение профиля...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DivingLog XML (*.xml);;DivingLog UDDF (*.uddf);;</source>
        <translation>DivingLog XML (*.xml);;DivingLog UDDF (*.uddf);;</translation>
    </message>
    <message>
        <location line="+100"/>
        <source>Gas Change...</source>
        <translation>Смена газа...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>new gas =</source>
        <translation>новый газ =</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>&lt;font color=&apos;red&apos;&gt;Recorded ppO2 [bar]&lt;/font&gt;</source>
        <translation>&lt;font color=&apos;red&apos;&gt;Записанное ppO2 [бар]&lt;/font&gt;</translation>
    </message>
</context>
<context>
    <name>ProfileEditorWidget</name>
    <message>
        <location filename="../../profiles/profile_editor.ui" line="+6"/>
        <source>Profile Editor</source>
        <translation>Редактор профиля</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Profile</source>
        <translation>Профиль</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Load...</source>
        <translation>Загрузить...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Save...</source>
        <translation>Сохранить...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Segments</source>
        <translation>Отрезки</translation>
    </message>
    <message>
        <location line="+8"/>
        <source> min</source>
        <translation> мин</translation>
    </message>
    <message>
        <location line="+9"/>
        <source> m</source>
        <translation> м</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Add leg</source>
        <translation>Добавить отрезок</translation>
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
        <translation> м/мин</translation>
    </message>
    <message>
        <location line="-10"/>
        <source>&amp;uarr;</source>
        <translation>&amp;uarr;</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Points</source>
        <translation>Точки</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Off</source>
        <translation>Выкл.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Add point</source>
        <translation>Добавить точку</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Delete point</source>
        <translation>Удалить точку</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Set gas change</source>
        <translation>Задать смену газа</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Undo</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Redo</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Ok</source>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <location filename="../../device/safe_file.cpp" line="+35"/>
        <source>Cannot write &apos;%1&apos;: %2</source>
        <translation>Невозможно записать &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>cannot copy the old file</source>
        <translation>невозможно скопировать старый файл</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>cannot write the settings</source>
        <translation>невозможно записать настройки</translation>
    </message>
</context>
<context>
    <name>Script</name>
    <message>
        <location filename="../../script/script.cpp" line="+248"/>
        <source>Script stopped: %1</source>
        <translation>Скрипт остановлен: %1</translation>
    </message>
</context>
<context>
    <name>SerialOSTC</name>
    <message>
        <location filename="../../device/serial_ostc.cpp" line="+46"/>
        <source>FAILED: </source>
        <translation>ОШИБКА: </translation>
    </message>
    <message>
        <location line="-11"/>
        <source>Connecting %1</source>
        <translation>Подключение к %1</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Reading OSTC %1 done.</source>
        <translation>Чтение OSTC %1 завершено.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>The computer&apos;s configuration before the upload is kept in &apos;%1&apos;.</source>
        <translation>Конфигурация компьютера до загрузки сохранена в &apos;%1&apos;.</translation>
    </message>
    <message>
        <location line="-8"/>
        <source>Programming OSTC %1 done.</source>
        <translation>Программирование OSTC %1 завершено.</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Date and time set to %1</source>
        <translation>Дата и время установлены: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>SYNC FAILED</source>
        <translation>СБОЙ СИНХРОНИЗАЦИИ</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>FAILED</source>
        <translation>ОШИБКА</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>the image cannot be written as %1</source>
        <translation>изображение нельзя записать как %1</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Firmware...</source>
        <translation>Прошивка...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Save screen dump...</source>
        <translation>Сохранить снимок экрана...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Image PNG (*.png);;Image JPEG (*.jpeg;*.jpg);;Image TIFF (*.tiff;*.tif)</source>
        <translation>Изображение PNG (*.png);;Изображение JPEG (*.jpeg;*.jpg);;Изображение TIFF (*.tiff;*.tif)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Loading &apos;%1&apos;</source>
        <translation>Загрузка &apos;%1&apos;</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Starting OSTC upgrade...</source>
        <translation>Запуск обновления OSTC...</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>OSTC upgrade done. rebooting...</source>
        <translation>Обновление OSTC завершено, перезагрузка...</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>UPGRADE FAILED</source>
        <translation>ОШИБКА ОБНОВЛЕНИЯ</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The computer keeps its boot loader but not a whole program: upgrade it again before diving.</source>
        <translation>Компьютер сохраняет загрузчик, но не полную программу: обновите его снова перед погружением.</translation>
    </message>
</context>
<context>
    <name>SerialPort</name>
    <message>
        <location filename="../../device/serial_port.cpp" line="+58"/>
        <source>Unknown port</source>
        <translation>Неизвестный порт</translation>
    </message>
    <message>
        <location filename="../../device/serial_port.h" line="+45"/>
        <source>Unable to open port</source>
        <translation>Не удалось открыть порт</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No port chosen: choose the OSTC&apos;s port in the settings</source>
        <translation>Порт не выбран: выберите порт OSTC в настройках</translation>
    </message>
    <message>
        <location filename="../../device/serial_port.cpp" line="+14"/>
        <source>Unable to set COM port config</source>
        <translation>Не удалось настроить порт</translation>
    </message>
    <message>
        <location filename="../../device/serial_port.h" line="-2"/>
        <source>Port not open</source>
        <translation>Порт не открыт</translation>
    </message>
    <message>
        <location filename="../../device/serial_port.cpp" line="+163"/>
        <source>readByte error</source>
        <translation>Ошибка readByte</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>readBlock error</source>
        <translation>Ошибка readBlock</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>writeBlock error</source>
        <translation>Ошибка writeBlock</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+4"/>
        <source>writeByte error</source>
        <translation>Ошибка writeByte</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <location filename="../settings.ui" line="+6"/>
        <source>Bathyra settings</source>
        <translation>Настройки Bathyra</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Language:</source>
        <translation>Язык:</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>Communication port:</source>
        <translation>Порт связи:</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Serial port of the OSTC; a device path (such as /dev/pts/3) may be typed.</source>
        <translation>Последовательный порт OSTC; можно ввести путь к устройству (например, /dev/pts/3).</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>No serial port found.</source>
        <translation>Последовательный порт не найден.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Verbose simulations</source>
        <translation>Подробная симуляция</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Auto setup of date &amp;&amp; time</source>
        <translation>Автоустановка даты и времени</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>If checked, any configuration upload will also setup date and time.</source>
        <translation>Если отмечено, каждая запись конфигурации также устанавливает дату и время.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Border line in deco plan</source>
        <translation>Рамка в деко-плане</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Beta features</source>
        <translation>Бета-функции</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Allows also beta features, not fully finished and/ord tested.</source>
        <translation>Включает также бета-функции, ещё не доработанные или не проверенные.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Reset all settings</source>
        <translation>Сбросить все настройки</translation>
    </message>
</context>
<context>
    <name>SolveDialog</name>
    <message>
        <location filename="../../app/solve_dialog.cpp" line="+21"/>
        <source>no decompression</source>
        <translation>без декомпрессии</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>runtime at most</source>
        <translation>общее время не более</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>TTS at most</source>
        <translation>TTS не более</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>total stop time at most</source>
        <translation>общее время остановок не более</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>every cylinder within the reserve rule</source>
        <translation>каждый баллон в пределах правила резерва</translation>
    </message>
    <message>
        <location line="+5"/>
        <source> min</source>
        <translation> мин</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Solve</source>
        <translation>Рассчитать</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Use as bottom time</source>
        <translation>Взять как донное время</translation>
    </message>
</context>
<context>
    <name>UpdatesPlanner</name>
    <message>
        <location filename="../../updates/updates_planner.cpp" line="+77"/>
        <source>Update server &apos;%1&apos; is not a valid http or https address.</source>
        <translation>Сервер обновлений &apos;%1&apos; не является допустимым адресом http или https.</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>no firmware data</source>
        <translation>нет данных прошивки</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Downloaded firmware %1 is not a valid HEX file: %2</source>
        <translation>Скачанная прошивка %1 не является корректным HEX-файлом: %2</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Firmware %1 available...</source>
        <translation>Доступна прошивка %1...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Version %1 of the &lt;i&gt;OSTC&lt;/i&gt; firmware is available. Please consider upgrading your computer...</source>
        <translation>Доступна версия %1 прошивки &lt;i&gt;OSTC&lt;/i&gt;. Рекомендуем обновить ваш компьютер...</translation>
    </message>
</context>
<context>
    <name>Window Title</name>
    <message>
        <location filename="../../plot/plot_interface.cpp" line="-174"/>
        <location filename="../../app/bathyra_runs.cpp" line="+84"/>
        <source>Dive profile</source>
        <translation>Профиль погружения</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../../app/bathyra_runs.cpp" line="+100"/>
        <source>Tissues plot</source>
        <translation>График тканей</translation>
    </message>
    <message>
        <location filename="../../app/log_check_window.cpp" line="-97"/>
        <source>Plan against log</source>
        <translation>План и журнал</translation>
    </message>
    <message>
        <location filename="../../app/plan_comparison_window.cpp" line="-235"/>
        <source>Compare plans</source>
        <translation>Сравнить планы</translation>
    </message>
    <message>
        <location filename="../../app/solve_dialog.cpp" line="-18"/>
        <source>Longest bottom time</source>
        <translation>Наибольшее донное время</translation>
    </message>
</context>
<context>
    <name>gas</name>
    <message>
        <location filename="../../profiles/uddf_formats.cpp" line="-186"/>
        <source>Gas</source>
        <translation>Газ</translation>
    </message>
</context>
<context>
    <name>planner</name>
    <message>
        <location filename="../../planner/contingency.cpp" line="+228"/>
        <source>all</source>
        <translation>весь</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>half</source>
        <translation>половина</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>two thirds</source>
        <translation>две трети</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>plan</source>
        <translation>план</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>+%1 m</source>
        <translation>+%1 м</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>+%1 min</source>
        <translation>+%1 мин</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>+%1 m +%2 min</source>
        <translation>+%1 м +%2 мин</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>lost %1</source>
        <translation>без %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>bail-out</source>
        <translation>переход на ОК</translation>
    </message>
    <message>
        <location filename="../../planner/plan_files.cpp" line="+150"/>
        <location filename="../../planner/plan_slate.cpp" line="+201"/>
        <source>Variant</source>
        <translation>Вариант</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../planner/plan_slate.cpp" line="-76"/>
        <location line="+76"/>
        <source>Run</source>
        <translation>Время</translation>
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
        <translation>Остан.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stops</source>
        <translation>Остановки</translation>
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
        <translation>Расход газа</translation>
    </message>
    <message>
        <location filename="../../planner/plan_slate.cpp" line="-116"/>
        <location line="+284"/>
        <location line="+11"/>
        <source>Dive plan</source>
        <translation>План погружения</translation>
    </message>
    <message>
        <location line="-294"/>
        <source>Dive plan: %1 m, %2 min</source>
        <translation>План погружения: %1 м, %2 мин</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Model: %1</source>
        <translation>Модель: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Surface pressure: %1 mbar    SAC: bottom %2 l/min, deco %3 l/min</source>
        <translation>Давление на поверхности: %1 мбар    Расход: дно %2 л/мин, деко %3 л/мин</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Closed circuit, setpoint %1 bar</source>
        <translation>Замкнутый контур, уставка %1 бар</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open circuit</source>
        <translation>Открытый контур</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Configuration firmware %1</source>
        <translation>Прошивка конфигурации %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Gases (MOD at ppO2 %1 bar)</source>
        <translation>Газы (MOD при ppO2 %1 бар)</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+20"/>
        <source>Gas</source>
        <translation>Газ</translation>
    </message>
    <message>
        <location line="-20"/>
        <source>MOD</source>
        <translation>MOD</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Switch depth</source>
        <translation>Глубина смены</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Cylinder</source>
        <translation>Баллон</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+1"/>
        <location line="+47"/>
        <location line="+21"/>
        <location line="+41"/>
        <source>%1 m</source>
        <translation>%1 м</translation>
    </message>
    <message>
        <location line="-109"/>
        <source>first gas</source>
        <translation>первый газ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 l, %2 bar</source>
        <translation>%1 л, %2 бар</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Runtime</source>
        <translation>Время по остановкам</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Depth</source>
        <translation>Глубина</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>switch to %1 at %2 m before the stop</source>
        <translation>перейти на %1 на %2 м перед остановкой</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the loop</source>
        <translation>контур</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>loop %1</source>
        <translation>контур %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Contingencies</source>
        <translation>Запасные варианты</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Bar used per cylinder; &quot;!&quot; breaks the reserve rule (use %1)</source>
        <translation>Израсходовано бар по баллонам; &quot;!&quot; нарушает правило резерва (использовать %1)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>1st stop</source>
        <translation>1-я остан.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 l / bar</source>
        <translation>%1 л / бар</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 l</source>
        <translation>%1 л</translation>
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
        <translation>Это собственные расчёты подводного компьютера, выполненные Bathyra с кодом декомпрессии компьютера.</translation>
    </message>
    <message>
        <location line="+151"/>
        <source>Cannot write &apos;%1&apos;: slates end in .pdf, .svg or .png</source>
        <translation>Не удаётся записать &apos;%1&apos;: таблички сохраняются в .pdf, .svg или .png</translation>
    </message>
</context>
<context>
    <name>planner::PlanFiles</name>
    <message>
        <location filename="../../planner/plan_files.cpp" line="+188"/>
        <source>Cannot write &apos;%1&apos;: plan files end in .csv or .json</source>
        <translation>Не удаётся записать &apos;%1&apos;: файлы плана сохраняются в .csv или .json</translation>
    </message>
</context>
<context>
    <name>planner::PlanParameters</name>
    <message>
        <location filename="../../planner/plan_parameters.cpp" line="+163"/>
        <source>unknown planning input %1</source>
        <translation>неизвестный параметр планирования %1</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1: %2 is not a number</source>
        <translation>%1: %2 — не число</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1: %2 is neither true nor false</source>
        <translation>%1: %2 — ни true, ни false</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1: %2 is outside %3 to %4</source>
        <translation>%1: %2 вне диапазона от %3 до %4</translation>
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
        <translation>Стандартная декомпрессия Бюльман ZH-L16C-1a 2002:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>*  saturation factor (CF11) = %1 %</source>
        <translation>*  множитель насыщения (CF11) = %1 %</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>*  desaturation factor (CF12) = %1 %</source>
        <translation>*  множитель рассыщения (CF12) = %1 %</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Bühlmann ZH-L16C-1a 2002 with GRADIENT FACTOR decompression:</source>
        <translation>Декомпрессия Бюльман ZH-L16C-1a 2002 с ГРАДИЕНТ-ФАКТОРАМИ:</translation>
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
        <translation>*  смещение деко (CF16) = %1 м</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>*  last stop (CF29) = %1 m</source>
        <translation>*  последняя остановка (CF29) = %1 м</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>*  dive started at Pamb = %1 mbar</source>
        <translation>*  погружение начато при Pamb = %1 мбар</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>*  dive continued at depth = %1 m</source>
        <translation>*  погружение продолжено на глубине = %1 м</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>*  Interval with previous dive = %1&apos;</source>
        <translation>*  Интервал после предыдущего погружения = %1&apos;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>*  Gas switch delay (CF55) = %1 min</source>
        <translation>*  Задержка смены газа (CF55) = %1 мин</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>CCR mode:</source>
        <translation>Режим CCR:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>*  Setpoint1: %1</source>
        <translation>*  Уставка1: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>*  Diluant Gas#%1 = %2</source>
        <translation>*  Дилюент Газ#%1 = %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>OC gas list:</source>
        <translation>Список газов OC:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>*  First Gas#%1 = %2</source>
        <translation>*  Первый Газ#%1 = %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>*  Bailout Gas#%1 = %2 at %3 m</source>
        <translation>*  Bailout Газ#%1 = %2 на %3 м</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>*  Deco Gas#%1 = %2 at %3 m</source>
        <translation>*  Деко Газ#%1 = %2 на %3 м</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>WARNING: Gas#%1 %2 is switched to at %3 m, deeper than its MOD of %4 m at ppO2 %5 bar</source>
        <translation>ВНИМАНИЕ: переход на Газ#%1 %2 на %3 м, глубже его MOD %4 м при ppO2 %5 бар</translation>
    </message>
    <message>
        <location line="+71"/>
        <source>SWITCH Gas#%1 -&gt; Gas#%2</source>
        <translation>СМЕНА Газ#%1 -&gt; Газ#%2</translation>
    </message>
    <message>
        <location line="+74"/>
        <source>BREAK ON STOP @ %1m</source>
        <translation>ПАУЗА НА ОСТАНОВКЕ @ %1м</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>SWITCH Setpoint %1 -&gt; %2</source>
        <translation>СМЕНА Уставки %1 -&gt; %2</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>BREAK ON BETTER Gas#%1</source>
        <translation>ПАУЗА: ЛУЧШИЙ Газ#%1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>BREAK ON SETPOINT</source>
        <translation>ПАУЗА ПО УСТАВКЕ</translation>
    </message>
    <message>
        <location line="-127"/>
        <source>CCR Runtime</source>
        <translation>План CCR</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+77"/>
        <source>OC Runtime</source>
        <translation>План OC</translation>
    </message>
    <message>
        <location line="-47"/>
        <source>Future TTS</source>
        <translation>Будущий TTS</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Future RT </source>
        <translation>Будущий RT </translation>
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
        <translation>Деко:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>TTS</source>
        <translation>TTS</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>DESCENT DONE</source>
        <translation>СПУСК ЗАВЕРШЁН</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>STOP</source>
        <translation>ОСТАНОВКА</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>ASCENT DONE</source>
        <translation>ВСПЛЫТИЕ ЗАВЕРШЕНО</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>NoFly</source>
        <translation>Запрет полёта</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Desat</source>
        <translation>Рассыщение</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Already surfaced: no more gas consumation</source>
        <translation>Уже на поверхности: расхода газа больше нет</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>BAIL-OUT Runtime</source>
        <translation>План BAIL-OUT</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Max depth                     = %1 m</source>
        <translation>Макс. глубина                 = %1 м</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Average before ascent     = %1 m</source>
        <translation>Средняя до всплытия       = %1 м</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Time before ascent            = %1 min</source>
        <translation>Время до всплытия             = %1 мин</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Bottom gas consumption (CF56) = %1 l/min</source>
        <translation>Расход на дне (CF56)          = %1 л/мин</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ascent gas consumption (CF57) = %1 l/min</source>
        <translation>Расход при всплытии (CF57)    = %1 л/мин</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Gas</source>
        <translation>Газ</translation>
    </message>
</context>
<context>
    <name>planner::Simulation</name>
    <message>
        <location filename="../../planner/simulation.cpp" line="+79"/>
        <source>%1 at %2 m</source>
        <translation>%1 на %2 м</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>BAD MIX: Gas#%1 has O2 %2% + He %3%, more than 100%</source>
        <translation>НЕВЕРНАЯ СМЕСЬ: Газ#%1 содержит O2 %2% + He %3%, больше 100%</translation>
    </message>
</context>
</TS>
