<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Availability</name>
    <message>
        <source>%1 and 1 more night</source>
        <translation>%1 y 1 noche más</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more nights</source>
        <translation>
            <numerusform>%1 y %n noche más</numerusform>
            <numerusform>%1 y %n noches más</numerusform>
        </translation>
    </message>
    <message>
        <source>This stay overbooks %1 %2 on %3 (%4 over). Save anyway?</source>
        <translation>Esta estancia sobrerreserva %2 «%1» el %3 (%4 de más). ¿Guardar de todos modos?</translation>
    </message>
</context>
<context>
    <name>Backup</name>
    <message>
        <source>The folder %1 could not be made: %2</source>
        <translation>No se pudo crear la carpeta %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 no es una carpeta</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>No se pudo escribir %1: %2</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>No se pudo leer %1: %2</translation>
    </message>
    <message>
        <source>%1 could not be copied</source>
        <translation>No se pudo copiar %1</translation>
    </message>
    <message>
        <source>No old backups were removed, because the backup %1 is dated after today (%2); if the computer&apos;s clock is wrong, correct it.</source>
        <translation>No se ha eliminado ninguna copia antigua porque la copia %1 tiene fecha posterior a hoy (%2); si el reloj del ordenador está mal, corríjalo.</translation>
    </message>
    <message>
        <source>%1 was not found</source>
        <translation>No se encontró %1</translation>
    </message>
    <message>
        <source>The backup could not be written to the folder %1: %2</source>
        <translation>No se pudo escribir la copia de seguridad en la carpeta %1: %2</translation>
    </message>
    <message>
        <source>The copy failed its integrity check: %1</source>
        <translation>La copia no superó la comprobación de integridad: %1</translation>
    </message>
    <message>
        <source>%1 could not be written to the disk</source>
        <translation>No se pudo escribir %1 en el disco</translation>
    </message>
    <message>
        <source>%1 could not be renamed</source>
        <translation>No se pudo cambiar el nombre de %1</translation>
    </message>
    <message>
        <source>The old backup %1 could not be removed</source>
        <translation>No se pudo eliminar la copia antigua %1</translation>
    </message>
    <message>
        <source>The copy %1 failed its integrity check: %2</source>
        <translation>La copia %1 no superó la comprobación de integridad: %2</translation>
    </message>
    <message>
        <source>The working database has an unfinished write; start and close the program once, then restore again</source>
        <translation>La base de datos de trabajo tiene una escritura sin terminar; inicie y cierre el programa una vez y vuelva a restaurar</translation>
    </message>
    <message>
        <source>%1 could not be replaced</source>
        <translation>No se pudo sustituir %1</translation>
    </message>
    <message>
        <source>The working database was replaced by another program; the file it replaced was not copied.</source>
        <translation>Otro programa reemplazó la base de datos de trabajo; el archivo reemplazado no se copió.</translation>
    </message>
    <message>
        <source>The backup cannot be restored while another program has the reservation database open. Close the program everywhere else, then restore again.</source>
        <translation>La copia de seguridad no se puede restaurar mientras otro programa tenga abierta la base de datos de reservas. Cierre el programa en todos los demás puestos y vuelva a restaurar.</translation>
    </message>
</context>
<context>
    <name>ComponentCheck</name>
    <message>
        <source>Please check for MDAC installation.<byte value="xd"/>
<byte value="xd"/>
Please check this: %1 and look for &apos;How to obtain this update&apos; section and download the appropriate update.<byte value="xd"/>
<byte value="xd"/>
Please email %2 with a screenshot of this message if you have any questions.</source>
        <translation>Compruebe la instalación de MDAC.<byte value="xd"/>
<byte value="xd"/>
Consulte: %1, busque la sección &apos;How to obtain this update&apos; y descargue la actualización adecuada.<byte value="xd"/>
<byte value="xd"/>
Si tiene alguna pregunta, envíe una captura de pantalla de este mensaje por correo electrónico a %2.</translation>
    </message>
</context>
<context>
    <name>CsvExport</name>
    <message>
        <source>The disk is full: the list could not be exported to %1. Any earlier file of that name is unchanged.</source>
        <translation>El disco está lleno: no se pudo exportar la lista a %1. Un archivo anterior con ese nombre no ha cambiado.</translation>
    </message>
    <message>
        <source>The list could not be exported to %1 (%2). Any earlier file of that name is unchanged.</source>
        <translation>No se pudo exportar la lista a %1 (%2). Un archivo anterior con ese nombre no ha cambiado.</translation>
    </message>
    <message>
        <source>Reservations</source>
        <translation>Reservas</translation>
    </message>
</context>
<context>
    <name>DayView</name>
    <message>
        <source>Arrivals</source>
        <translation>Llegadas</translation>
    </message>
    <message>
        <source>A&amp;rrivals</source>
        <translation>Lle&amp;gadas</translation>
    </message>
    <message>
        <source>In the House</source>
        <translation>En el hotel</translation>
    </message>
    <message>
        <source>In the &amp;House</source>
        <translation>En el &amp;hotel</translation>
    </message>
    <message>
        <source>Departures</source>
        <translation>Salidas</translation>
    </message>
    <message>
        <source>De&amp;partures</source>
        <translation>Sa&amp;lidas</translation>
    </message>
</context>
<context>
    <name>Design</name>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Search By Date</source>
        <translation>Buscar por fecha</translation>
    </message>
    <message>
        <source>Show All</source>
        <translation>Mostrar todo</translation>
    </message>
    <message>
        <source>Add New</source>
        <translation>Añadir nueva</translation>
    </message>
    <message>
        <source>Delete Selected</source>
        <translation>Eliminar selección</translation>
    </message>
    <message>
        <source>Edit Selected</source>
        <translation>Editar selección</translation>
    </message>
    <message>
        <source>Load Sample/Example Data</source>
        <translation>Cargar datos de ejemplo</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>Type mismatch</source>
        <translation>No coinciden los tipos</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Valor de la propiedad no válido</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Desbordamiento</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>Error de acceso a ruta o archivo</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>No se encontró el archivo</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Imagen no válida</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permiso denegado</translation>
    </message>
    <message>
        <source>Index out of bounds</source>
        <translation>Índice fuera de los límites</translation>
    </message>
    <message>
        <source>Object required</source>
        <translation>Se requiere un objeto</translation>
    </message>
    <message>
        <source>Invalid use of Null</source>
        <translation>Uso no válido de Null</translation>
    </message>
    <message>
        <source>Object variable or With block variable not set</source>
        <translation>Variable de objeto o de bloque With no establecida</translation>
    </message>
    <message>
        <source>Operation is not allowed when the object is closed.</source>
        <translation>No se permite realizar la operación si el objeto está cerrado.</translation>
    </message>
    <message>
        <source>Command text was not set for the command object.</source>
        <translation>No se ha establecido el texto del comando para el objeto de comando.</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>No se encontró la ruta de acceso</translation>
    </message>
    <message>
        <source>Item cannot be found in the collection corresponding to the requested name or ordinal.</source>
        <translation>No se encontró el elemento en la colección que corresponde al nombre o al ordinal solicitado.</translation>
    </message>
    <message>
        <source>Either BOF or EOF is True, or the current record has been deleted.</source>
        <translation>BOF o EOF es True, o el registro actual se eliminó.</translation>
    </message>
</context>
<context>
    <name>FileEngine</name>
    <message>
        <source>The SQLite database driver is not available</source>
        <translation>El controlador de base de datos SQLite no está disponible</translation>
    </message>
    <message>
        <source>The database %1 was replaced by another program and could not be opened again: %2</source>
        <translation>Otro programa reemplazó la base de datos %1 y no se pudo volver a abrir: %2</translation>
    </message>
</context>
<context>
    <name>GuestCheck</name>
    <message>
        <source>Rooms</source>
        <translation>Habitac.</translation>
    </message>
    <message>
        <source>Room</source>
        <translation>Habitación</translation>
    </message>
    <message>
        <source>No. Of Rooms:</source>
        <translation>Habitac.:</translation>
    </message>
    <message>
        <source>Room Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source> Wings</source>
        <translation>Alas</translation>
    </message>
    <message>
        <source>Wing</source>
        <translation>Ala</translation>
    </message>
    <message>
        <source>No. Of Wings:</source>
        <translation>Alas:</translation>
    </message>
    <message>
        <source>Wing Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Meeting Hall</source>
        <translation>Sala reunión</translation>
    </message>
    <message>
        <source>No. Of Halls:</source>
        <translation>Salas:</translation>
    </message>
    <message>
        <source>Hall Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>You forgot to input Guest Name.</source>
        <translation>Ha olvidado introducir el nombre del huésped.</translation>
    </message>
    <message>
        <source>You forgot to enter Number of %1.</source>
        <translation>Ha olvidado introducir el número (%1).</translation>
    </message>
    <message>
        <source>You forgot to enter %1 Type.</source>
        <translation>Ha olvidado introducir el tipo (%1).</translation>
    </message>
    <message>
        <source>You forgot to enter Credit Card Type.</source>
        <translation>Ha olvidado introducir el tipo de tarjeta de crédito.</translation>
    </message>
    <message>
        <source>You forgot to enter Credit Card Number.</source>
        <translation>Ha olvidado introducir el número de tarjeta de crédito.</translation>
    </message>
    <message>
        <source>You forgot to enter Number Of Persons.</source>
        <translation>Ha olvidado introducir el número de personas.</translation>
    </message>
    <message>
        <source>You forgot to enter Phone Number.</source>
        <translation>Ha olvidado introducir el número de teléfono.</translation>
    </message>
    <message>
        <source>You forgot to enter Address.</source>
        <translation>Ha olvidado introducir la dirección.</translation>
    </message>
    <message>
        <source>Number of %1 must be a whole number.</source>
        <translation>El número (%1) debe ser un número entero.</translation>
    </message>
    <message>
        <source>Number of %1 cannot be more than %2.</source>
        <translation>El número (%1) no puede ser mayor que %2.</translation>
    </message>
    <message>
        <source>Number Of Persons must be a whole number.</source>
        <translation>El número de personas debe ser un número entero.</translation>
    </message>
    <message>
        <source>Number Of Persons cannot be more than %1.</source>
        <translation>El número de personas no puede ser mayor que %1.</translation>
    </message>
    <message>
        <source>Credit card is expired.</source>
        <translation>La tarjeta de crédito está caducada.</translation>
    </message>
    <message>
        <source>Credit card expiry date is less than the check out date.</source>
        <translation>La tarjeta de crédito caduca antes de la fecha de salida.</translation>
    </message>
</context>
<context>
    <name>GuestCommands</name>
    <message>
        <source>The printer could not be started</source>
        <translation>No se pudo iniciar la impresora</translation>
    </message>
    <message>
        <source>The printing did not finish</source>
        <translation>La impresión no terminó</translation>
    </message>
    <message>
        <source>Guest profile of %1</source>
        <translation>Perfil del huésped %1</translation>
    </message>
    <message>
        <source>Phone: %1</source>
        <translation>Teléfono: %1</translation>
    </message>
    <message>
        <source>E-mail: %1</source>
        <translation>Correo electrónico: %1</translation>
    </message>
    <message>
        <source>Address: %1</source>
        <translation>Dirección: %1</translation>
    </message>
    <message>
        <source>Nationality: %1</source>
        <translation>Nacionalidad: %1</translation>
    </message>
    <message>
        <source>Date of birth: %1</source>
        <translation>Fecha de nacimiento: %1</translation>
    </message>
    <message>
        <source>Document: %1 %2, issued by %3, valid until %4</source>
        <translation>Documento: %1 %2, expedido por %3, válido hasta %4</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>Nota: %1</translation>
    </message>
    <message>
        <source>1 stay</source>
        <translation>1 estancia</translation>
    </message>
    <message numerus="yes">
        <source>%n stays</source>
        <translation>
            <numerusform>%n estancia</numerusform>
            <numerusform>%n estancias</numerusform>
        </translation>
    </message>
    <message>
        <source>Reservation %1: %2 to %3, %4 %5, %6 (%7)</source>
        <translation>Reserva %1: del %2 al %3, %4 %5, %6 (%7)</translation>
    </message>
    <message>
        <source>booker</source>
        <translation>titular</translation>
    </message>
    <message>
        <source>guest</source>
        <translation>huésped</translation>
    </message>
    <message>
        <source>This database keeps no guest profiles (it was made by an older program and cannot be changed here), so the guests&apos; commands are not available.</source>
        <translation>Esta base de datos no guarda perfiles de huéspedes (la creó un programa anterior y no se puede cambiar aquí), así que los comandos de huéspedes no están disponibles.</translation>
    </message>
    <message>
        <source>Link this reservation to the guest profile of %1?</source>
        <translation>¿Vincular esta reserva al perfil del huésped %1?</translation>
    </message>
    <message>
        <source>Registration card %1</source>
        <translation>Ficha de registro %1</translation>
    </message>
    <message>
        <source>Print the registration card</source>
        <translation>Imprimir la ficha de registro</translation>
    </message>
    <message>
        <source>Guest %1</source>
        <translation>Huésped %1</translation>
    </message>
    <message>
        <source>Export Guest</source>
        <translation>Exportar huésped</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The guest&apos;s data was written to %1 and %2.</source>
        <translation>Los datos del huésped se escribieron en %1 y %2.</translation>
    </message>
    <message>
        <source>The privacy rules erased 1 card number.</source>
        <translation>Las reglas de privacidad borraron 1 número de tarjeta.</translation>
    </message>
    <message numerus="yes">
        <source>The privacy rules erased %n card numbers.</source>
        <translation>
            <numerusform>Las reglas de privacidad borraron %n número de tarjeta.</numerusform>
            <numerusform>Las reglas de privacidad borraron %n números de tarjeta.</numerusform>
        </translation>
    </message>
    <message>
        <source>The privacy rules erased 1 guest profile.</source>
        <translation>Las reglas de privacidad borraron 1 perfil de huésped.</translation>
    </message>
    <message numerus="yes">
        <source>The privacy rules erased %n guest profiles.</source>
        <translation>
            <numerusform>Las reglas de privacidad borraron %n perfil de huésped.</numerusform>
            <numerusform>Las reglas de privacidad borraron %n perfiles de huéspedes.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Guests</name>
    <message>
        <source>A guest profile needs a name.</source>
        <translation>Un perfil de huésped necesita un nombre.</translation>
    </message>
    <message>
        <source>Guest profile %1 no longer exists.</source>
        <translation>El perfil de huésped %1 ya no existe.</translation>
    </message>
    <message>
        <source>Reservation %1 no longer exists.</source>
        <translation>La reserva %1 ya no existe.</translation>
    </message>
    <message>
        <source>Erased guest</source>
        <translation>Huésped borrado</translation>
    </message>
    <message>
        <source>An erased guest profile cannot be changed.</source>
        <translation>Un perfil de huésped borrado no se puede modificar.</translation>
    </message>
    <message>
        <source>A guest profile cannot be merged into itself.</source>
        <translation>Un perfil de huésped no se puede fusionar consigo mismo.</translation>
    </message>
    <message>
        <source>An erased guest profile cannot be merged.</source>
        <translation>Un perfil de huésped borrado no se puede fusionar.</translation>
    </message>
</context>
<context>
    <name>Invoice</name>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Cantidad</translation>
    </message>
    <message>
        <source>Unit price</source>
        <translation>Precio unitario</translation>
    </message>
    <message>
        <source>Tax rate</source>
        <translation>Tipo impositivo</translation>
    </message>
    <message>
        <source>Tax</source>
        <translation>Impuesto</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Gross</source>
        <translation>Bruto</translation>
    </message>
    <message>
        <source>Net</source>
        <translation>Neto</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Total (taxes included)</source>
        <translation>Total (impuestos incluidos)</translation>
    </message>
    <message>
        <source>Taxes</source>
        <translation>Impuestos</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Payments received</source>
        <translation>Pagos recibidos</translation>
    </message>
    <message>
        <source>%1  %2  %3  %4</source>
        <translation>%1  %2  %3  %4</translation>
    </message>
    <message>
        <source>Paid: %1</source>
        <translation>Pagado: %1</translation>
    </message>
    <message>
        <source>Balance due: %1</source>
        <translation>Saldo pendiente: %1</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Depósito</translation>
    </message>
    <message>
        <source>Refund</source>
        <translation>Reembolso</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Pago</translation>
    </message>
    <message>
        <source>Night, %1 %2</source>
        <translation>Noche, %1 %2</translation>
    </message>
    <message>
        <source>Credit note %1 %2</source>
        <translation>Nota de crédito %1 %2</translation>
    </message>
    <message>
        <source>Invoice %1 %2</source>
        <translation>Factura %1 %2</translation>
    </message>
    <message>
        <source>Tax number: %1</source>
        <translation>Número fiscal: %1</translation>
    </message>
    <message>
        <source>Credit note %1</source>
        <translation>Nota de crédito %1</translation>
    </message>
    <message>
        <source>Invoice %1</source>
        <translation>Factura %1</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>Fecha: %1</translation>
    </message>
    <message>
        <source>Cancels invoice %1</source>
        <translation>Anula la factura %1</translation>
    </message>
    <message>
        <source>Reservation %1</source>
        <translation>Reserva %1</translation>
    </message>
    <message>
        <source>%1 %2, %3 to %4</source>
        <translation>%1 %2, del %3 al %4</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
    <message>
        <source>The printer could not be started</source>
        <translation>No se pudo iniciar la impresora</translation>
    </message>
    <message>
        <source>The printing did not finish</source>
        <translation>La impresión no terminó</translation>
    </message>
    <message>
        <source>Print %1</source>
        <translation>Imprimir %1</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Guardar como PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>ListOutput</name>
    <message>
        <source>%1, printed %2</source>
        <translation>%1, impreso el %2</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exportar CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Print %1</source>
        <translation>Imprimir %1</translation>
    </message>
    <message>
        <source>The printer could not be started</source>
        <translation>No se pudo iniciar la impresora</translation>
    </message>
    <message>
        <source>The printing did not finish</source>
        <translation>La impresión no terminó</translation>
    </message>
</context>
<context>
    <name>LocalCopy</name>
    <message>
        <source>The server cannot be reached, so this desk shows a read-only copy of the reservations: nothing was saved.</source>
        <translation>No se puede acceder al servidor, por lo que este puesto muestra una copia de solo lectura de las reservas: no se guardó nada.</translation>
    </message>
    <message>
        <source>%1
No local copy of the reservations is available.</source>
        <translation>%1
No hay ninguna copia local de las reservas.</translation>
    </message>
</context>
<context>
    <name>Money</name>
    <message>
        <source>&quot;%1&quot; is not an amount. Type it with digits and at most two decimals, for example %2.</source>
        <translation>«%1» no es un importe. Escríbalo con cifras y como mucho dos decimales, por ejemplo %2.</translation>
    </message>
    <message>
        <source>This database keeps no accounts (it was made by an older program and cannot be changed here), so prices, folios, invoices and reports are not available.</source>
        <translation>Esta base de datos no lleva cuentas (la creó un programa anterior y no se puede cambiar aquí), así que los precios, las cuentas, las facturas y los informes no están disponibles.</translation>
    </message>
    <message>
        <source>This database keeps no accounts yet. Open it once with write access so that it can be brought up to date.</source>
        <translation>Esta base de datos aún no lleva cuentas. Ábrala una vez con permiso de escritura para que pueda actualizarse.</translation>
    </message>
    <message>
        <source>Reservation %1 no longer exists.</source>
        <translation>La reserva %1 ya no existe.</translation>
    </message>
    <message>
        <source>Night of %1</source>
        <translation>Noche del %1</translation>
    </message>
    <message>
        <source>Invoice %1 no longer exists.</source>
        <translation>La factura %1 ya no existe.</translation>
    </message>
    <message>
        <source>The currency must be a three-letter ISO code, such as EUR or USD.</source>
        <translation>La moneda debe ser un código ISO de tres letras, como EUR o USD.</translation>
    </message>
    <message>
        <source>A tax rate needs a name.</source>
        <translation>Un tipo impositivo necesita un nombre.</translation>
    </message>
    <message>
        <source>A tax rate lies between 0 % and 100 %.</source>
        <translation>Un tipo impositivo está entre el 0 % y el 100 %.</translation>
    </message>
    <message>
        <source>A rate needs a kind and a type.</source>
        <translation>Una tarifa necesita una clase y un tipo.</translation>
    </message>
    <message>
        <source>A price cannot be below zero.</source>
        <translation>Un precio no puede ser menor que cero.</translation>
    </message>
    <message>
        <source>A rate needs at least one weekday.</source>
        <translation>Una tarifa necesita al menos un día de la semana.</translation>
    </message>
    <message>
        <source>A rate&apos;s range needs a first and a last night, the last not before the first.</source>
        <translation>El periodo de una tarifa necesita una primera y una última noche, la última no antes de la primera.</translation>
    </message>
    <message>
        <source>The tax rate no longer exists.</source>
        <translation>El tipo impositivo ya no existe.</translation>
    </message>
    <message>
        <source>The rate no longer exists.</source>
        <translation>La tarifa ya no existe.</translation>
    </message>
    <message>
        <source>The night of %1 is not a night of this stay.</source>
        <translation>La noche del %1 no es de esta estancia.</translation>
    </message>
    <message>
        <source>Choose the tax rate of the night&apos;s price.</source>
        <translation>Elija el tipo impositivo del precio de la noche.</translation>
    </message>
    <message>
        <source>A charge needs a description.</source>
        <translation>Un cargo necesita una descripción.</translation>
    </message>
    <message>
        <source>A charge needs a quantity.</source>
        <translation>Un cargo necesita una cantidad.</translation>
    </message>
    <message>
        <source>An amount must be above zero.</source>
        <translation>Un importe debe ser mayor que cero.</translation>
    </message>
    <message>
        <source>A payment needs a method.</source>
        <translation>Un pago necesita un medio de pago.</translation>
    </message>
    <message>
        <source>A payment needs the day it was paid.</source>
        <translation>Un pago necesita el día en que se pagó.</translation>
    </message>
    <message>
        <source>This entry is already void, or no longer exists.</source>
        <translation>Este asiento ya está anulado o ya no existe.</translation>
    </message>
    <message>
        <source>This reservation already has an invoice. Issue a credit note for it before a new invoice.</source>
        <translation>Esta reserva ya tiene una factura. Emita una nota de crédito para ella antes de una nueva factura.</translation>
    </message>
    <message>
        <source>There is nothing to invoice: the account has no charge.</source>
        <translation>No hay nada que facturar: la cuenta no tiene ningún cargo.</translation>
    </message>
    <message>
        <source>A credit note cannot be credited.</source>
        <translation>Una nota de crédito no se puede abonar.</translation>
    </message>
    <message>
        <source>Invoice %1 already has a credit note.</source>
        <translation>La factura %1 ya tiene una nota de crédito.</translation>
    </message>
</context>
<context>
    <name>Privacy</name>
    <message>
        <source>Card numbers are erased after 1 to %1 days.</source>
        <translation>Los números de tarjeta se borran tras un plazo de 1 a %1 días.</translation>
    </message>
    <message>
        <source>Guests are erased after 1 to %1 years.</source>
        <translation>Los huéspedes se borran tras un plazo de 1 a %1 años.</translation>
    </message>
</context>
<context>
    <name>PrivateFiles</name>
    <message>
        <source>Other accounts can still read %1</source>
        <translation>Otras cuentas aún pueden leer %1</translation>
    </message>
</context>
<context>
    <name>QDialog</name>
    <message>
        <source>Units</source>
        <translation>Unidades</translation>
    </message>
    <message>
        <source>From the &amp;night of:</source>
        <translation>Desde la &amp;noche del:</translation>
    </message>
    <message>
        <source>From the night of</source>
        <translation>Desde la noche del</translation>
    </message>
    <message>
        <source>Cancel Reservation</source>
        <translation>Cancelar la reserva</translation>
    </message>
    <message>
        <source>Who cancels the reservation of %1?</source>
        <translation>¿Quién cancela la reserva de %1?</translation>
    </message>
    <message>
        <source>The &amp;guest</source>
        <translation>El hu&amp;ésped</translation>
    </message>
    <message>
        <source>The &amp;hotel</source>
        <translation>El &amp;hotel</translation>
    </message>
</context>
<context>
    <name>RegistrationCard</name>
    <message>
        <source>Registration card, reservation %1</source>
        <translation>Ficha de registro, reserva %1</translation>
    </message>
    <message>
        <source>Arrival: %1</source>
        <translation>Llegada: %1</translation>
    </message>
    <message>
        <source>Departure: %1</source>
        <translation>Salida: %1</translation>
    </message>
    <message>
        <source>1 night</source>
        <translation>1 noche</translation>
    </message>
    <message numerus="yes">
        <source>%n nights</source>
        <translation>
            <numerusform>%n noche</numerusform>
            <numerusform>%n noches</numerusform>
        </translation>
    </message>
    <message>
        <source>Accommodation: %1, %2</source>
        <translation>Alojamiento: %1, %2</translation>
    </message>
    <message>
        <source>Unit: not assigned yet</source>
        <translation>Unidad: aún sin asignar</translation>
    </message>
    <message>
        <source>Unit: %1</source>
        <translation>Unidad: %1</translation>
    </message>
    <message>
        <source>Guest %1 of %2: %3 (booker)</source>
        <translation>Huésped %1 de %2: %3 (titular)</translation>
    </message>
    <message>
        <source>Guest %1 of %2: %3</source>
        <translation>Huésped %1 de %2: %3</translation>
    </message>
    <message>
        <source>Nationality: %1</source>
        <translation>Nacionalidad: %1</translation>
    </message>
    <message>
        <source>Date of birth: %1</source>
        <translation>Fecha de nacimiento: %1</translation>
    </message>
    <message>
        <source>Address: %1</source>
        <translation>Dirección: %1</translation>
    </message>
    <message>
        <source>Document: %1 %2, issued by %3, valid until %4</source>
        <translation>Documento: %1 %2, expedido por %3, válido hasta %4</translation>
    </message>
    <message>
        <source>Signature of the guest</source>
        <translation>Firma del huésped</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>%1<byte value="xd"/>
%2 at line %3<byte value="xd"/><byte value="xd"/>Please email screenshot of this message to %4</source>
        <translation>%1<byte value="xd"/>
%2 en la línea %3<byte value="xd"/><byte value="xd"/>Envíe una captura de pantalla de este mensaje por correo electrónico a %4</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Error de la aplicación</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Memoria insuficiente</translation>
    </message>
    <message>
        <source>Unexpected error</source>
        <translation>Error inesperado</translation>
    </message>
</context>
<context>
    <name>RowLock</name>
    <message>
        <source>Guest Name</source>
        <translation>Nombre del huésped</translation>
    </message>
    <message>
        <source>Accommodation</source>
        <translation>Alojamiento</translation>
    </message>
    <message>
        <source>Number of Rooms</source>
        <translation>Número</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Services</source>
        <translation>Servicios</translation>
    </message>
    <message>
        <source>Number of Persons</source>
        <translation>Número de personas</translation>
    </message>
    <message>
        <source>Check-In Date</source>
        <translation>Fecha de llegada</translation>
    </message>
    <message>
        <source>Check-Out Date</source>
        <translation>Fecha de salida</translation>
    </message>
    <message>
        <source>Card Type</source>
        <translation>Tipo de tarjeta</translation>
    </message>
    <message>
        <source>Card Number</source>
        <translation>Número de tarjeta</translation>
    </message>
    <message>
        <source>Phone Number</source>
        <translation>Número de teléfono</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
</context>
<context>
    <name>ServerChoice</name>
    <message>
        <source>The server&apos;s tblRooms already holds %1 reservations; nothing was copied.</source>
        <translation>La tabla tblRooms del servidor ya contiene %1 reservas; no se ha copiado nada.</translation>
    </message>
    <message>
        <source>The server&apos;s tblInventory already holds %1 entries; nothing was copied.</source>
        <translation>La tabla tblInventory del servidor ya contiene %1 entradas; no se ha copiado nada.</translation>
    </message>
    <message>
        <source>%1 needs a server: a postgresql:// URL or key=value connection string</source>
        <translation>%1 necesita un servidor: una URL postgresql:// o una cadena de conexión key=value</translation>
    </message>
    <message>
        <source>not a server: %1</source>
        <translation>no es un servidor: %1</translation>
    </message>
    <message>
        <source>usage: corvanna [--server TARGET | --local] [--copy-to-server TARGET]
  --server TARGET          keep the reservations on a PostgreSQL server from now on
                           (postgresql://user@host:port/dbname or key=value)
  --local                  back to the database file of this computer
  --copy-to-server TARGET  copy this computer&apos;s reservations to an empty server database
Passwords come from ~/.pgpass or PGPASSWORD and are never kept in the settings.
</source>
        <translation>uso: corvanna [--server DESTINO | --local] [--copy-to-server DESTINO]
  --server DESTINO         guardar en adelante las reservas en un servidor PostgreSQL
                           (postgresql://user@host:port/dbname o key=value)
  --local                  volver al archivo de base de datos de este ordenador
  --copy-to-server DESTINO copiar las reservas de este ordenador a una base de datos vacía del servidor
Las contraseñas se toman de ~/.pgpass o PGPASSWORD y nunca se guardan en la configuración.
</translation>
    </message>
</context>
<context>
    <name>ServerLogin</name>
    <message>
        <source>Password of %1:</source>
        <translation>Contraseña de %1:</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Permission denied: the settings file %1 cannot be written</source>
        <translation>Permiso denegado: no se puede escribir el archivo de configuración %1</translation>
    </message>
    <message>
        <source>The settings file %1 could not be written</source>
        <translation>No se pudo escribir el archivo de configuración %1</translation>
    </message>
</context>
<context>
    <name>Skin</name>
    <message>
        <source>The skin %1 could not be read: %2</source>
        <translation>No se pudo leer el aspecto %1: %2</translation>
    </message>
    <message>
        <source>The skin %1 is not a valid style sheet</source>
        <translation>El aspecto %1 no es una hoja de estilo válida</translation>
    </message>
</context>
<context>
    <name>Statements</name>
    <message>
        <source>The reservation key &quot;%1&quot; is not a whole number</source>
        <translation>La clave de reserva «%1» no es un número entero</translation>
    </message>
</context>
<context>
    <name>Stays</name>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1: %2 %3, not the booked type</source>
        <translation>%1: %2 %3, no es el tipo reservado</translation>
    </message>
    <message>
        <source>This database keeps no stays (it was made by an older program and cannot be changed here), so check-in, check-out and units are not available.</source>
        <translation>Esta base de datos no lleva estancias (la creó un programa anterior y aquí no se puede modificar), por lo que la entrada, la salida y las unidades no están disponibles.</translation>
    </message>
    <message>
        <source>Select a reservation first.</source>
        <translation>Seleccione primero una reserva.</translation>
    </message>
    <message>
        <source>The reservation of %1 cannot be checked in: its status is %2.</source>
        <translation>No se puede registrar la entrada de la reserva de %1: su estado es «%2».</translation>
    </message>
    <message>
        <source>The reservation of %1 cannot be checked out: its status is %2.</source>
        <translation>No se puede registrar la salida de la reserva de %1: su estado es «%2».</translation>
    </message>
    <message>
        <source>The reservation of %1 cannot be cancelled: its status is %2.</source>
        <translation>No se puede cancelar la reserva de %1: su estado es «%2».</translation>
    </message>
    <message>
        <source>The reservation of %1 cannot be marked as a no-show: its status is %2.</source>
        <translation>No se puede marcar la reserva de %1 como no presentada: su estado es «%2».</translation>
    </message>
    <message>
        <source>No unit is free for every night of %1&apos;s stay. Free a unit in the room chart, or add one under Tools, Units.</source>
        <translation>Ninguna unidad está libre todas las noches de la estancia de %1. Libere una unidad en el plano de habitaciones o añada una en Herramientas, Unidades.</translation>
    </message>
    <message>
        <source>Check In</source>
        <translation>Registrar entrada</translation>
    </message>
    <message>
        <source>Which unit does %1 take? Units of the booked type (%2 %3) come first.</source>
        <translation>¿Qué unidad ocupa %1? Las unidades del tipo reservado (%2 %3) aparecen primero.</translation>
    </message>
    <message>
        <source>%1 holds that unit on the night of %2, so %3 was not checked in.</source>
        <translation>%1 ocupa esa unidad la noche del %2, por lo que no se registró la entrada de %3.</translation>
    </message>
    <message>
        <source>Mark %1 as a no-show? The reservation stays in the list and its units are freed.</source>
        <translation>¿Marcar a %1 como no presentado? La reserva sigue en la lista y sus unidades quedan libres.</translation>
    </message>
    <message>
        <source>There is no check-in or check-out of %1 to undo.</source>
        <translation>No hay ninguna entrada ni salida de %1 que deshacer.</translation>
    </message>
    <message>
        <source>Undo the last check-in or check-out of %1?</source>
        <translation>¿Deshacer la última entrada o salida de %1?</translation>
    </message>
    <message>
        <source>Unit %1 is held by %2 on the night of %3, so the stay was not moved.</source>
        <translation>La unidad %1 está ocupada por %2 la noche del %3, por lo que la estancia no se movió.</translation>
    </message>
    <message>
        <source>The stay&apos;s history cannot be read.</source>
        <translation>No se puede leer el historial de la estancia.</translation>
    </message>
    <message>
        <source>Reservation %1 no longer exists.</source>
        <translation>La reserva %1 ya no existe.</translation>
    </message>
    <message>
        <source>A stay that is %1 holds no unit.</source>
        <translation>Una estancia en estado «%1» no ocupa ninguna unidad.</translation>
    </message>
    <message>
        <source>This reservation&apos;s dates give no night to hold a unit.</source>
        <translation>Las fechas de esta reserva no dan ninguna noche en la que ocupar una unidad.</translation>
    </message>
    <message>
        <source>The night %1 is not one of this stay&apos;s nights.</source>
        <translation>La noche %1 no es una de las noches de esta estancia.</translation>
    </message>
    <message>
        <source>The unit no longer exists.</source>
        <translation>La unidad ya no existe.</translation>
    </message>
    <message>
        <source>The unit %1 is out of service.</source>
        <translation>La unidad %1 está fuera de servicio.</translation>
    </message>
    <message>
        <source>A unit needs a name.</source>
        <translation>Una unidad necesita un nombre.</translation>
    </message>
    <message>
        <source>A unit needs a kind and a type.</source>
        <translation>Una unidad necesita una clase y un tipo.</translation>
    </message>
    <message>
        <source>There is already a unit named %1.</source>
        <translation>Ya existe una unidad llamada %1.</translation>
    </message>
    <message>
        <source>This unit holds a stay. Move the stay to another unit first, or take the unit out of service.</source>
        <translation>Esta unidad tiene una estancia. Mueva primero la estancia a otra unidad o ponga la unidad fuera de servicio.</translation>
    </message>
    <message>
        <source>There is no check-in or check-out of this stay to undo.</source>
        <translation>No hay ninguna entrada ni salida de esta estancia que deshacer.</translation>
    </message>
    <message>
        <source>The unit is now held by %1 on %2; the check-in or check-out cannot be undone.</source>
        <translation>La unidad está ahora ocupada por %1 el %2; la entrada o salida no se puede deshacer.</translation>
    </message>
    <message>
        <source>expected</source>
        <translation>previsto</translation>
    </message>
    <message>
        <source>in house</source>
        <translation>en el hotel</translation>
    </message>
    <message>
        <source>checked out</source>
        <translation>con salida</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>cancelado</translation>
    </message>
    <message>
        <source>no-show</source>
        <translation>no presentado</translation>
    </message>
    <message>
        <source>no reason given</source>
        <translation>sin motivo indicado</translation>
    </message>
    <message>
        <source>by the guest</source>
        <translation>por el huésped</translation>
    </message>
    <message>
        <source>by the hotel</source>
        <translation>por el hotel</translation>
    </message>
</context>
<context>
    <name>corvanna::AvailabilityWindow</name>
    <message>
        <source>Availability</source>
        <translation>Disponibilidad</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Desde:</translation>
    </message>
    <message numerus="yes">
        <source>%n nights</source>
        <translation>
            <numerusform>%n noche</numerusform>
            <numerusform>%n noches</numerusform>
        </translation>
    </message>
    <message>
        <source>Free units per night; ! marks an over-booked night. (n): booked, no inventory entered.</source>
        <translation>Unidades libres por noche; ! marca una noche sobrerreservada. (n): reservado, sin inventario introducido.</translation>
    </message>
    <message>
        <source>Guest Name</source>
        <translation>Nombre del huésped</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Unidades</translation>
    </message>
    <message>
        <source>Check In Date</source>
        <translation>Llegada</translation>
    </message>
    <message>
        <source>Check Out Date</source>
        <translation>Salida</translation>
    </message>
    <message>
        <source>id</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Reservations of the night</source>
        <translation>Reservas de la noche</translation>
    </message>
    <message>
        <source>%1 on %2: %3 booked, %4 over</source>
        <translation>%1 el %2: %3 reservado(s), %4 de más</translation>
    </message>
    <message>
        <source>%1 on %2: %3 booked, %4 free</source>
        <translation>%1 el %2: %3 reservado(s), %4 libre(s)</translation>
    </message>
    <message>
        <source>%1 on %2: %3 booked, no inventory entered</source>
        <translation>%1 el %2: %3 reservado(s), sin inventario introducido</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Hoy</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1 el %2</translation>
    </message>
</context>
<context>
    <name>corvanna::DayViewWindow</name>
    <message>
        <source>The dates are reversed: the check-out date is before the check-in date.</source>
        <translation>Las fechas están invertidas: la fecha de salida es anterior a la de llegada.</translation>
    </message>
    <message>
        <source>%1, dates reversed</source>
        <translation>%1, fechas invertidas</translation>
    </message>
    <message>
        <source>&amp;View:</source>
        <translation>&amp;Vista:</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Vista</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation>&amp;Fecha:</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation>&amp;Hoy</translation>
    </message>
    <message>
        <source>Reservations of the day</source>
        <translation>Reservas del día</translation>
    </message>
    <message>
        <source>E&amp;xport CSV...</source>
        <translation>E&amp;xportar CSV...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Im&amp;primir...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A day view&apos;s name and its date, as the list&apos;s title: &quot;Arrivals 08/12/2026&quot;</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 - 1 reservation</source>
        <translation>%1 - 1 reserva</translation>
    </message>
    <message numerus="yes">
        <source>%1 - %n reservations</source>
        <translation>
            <numerusform>%1 - %n reserva</numerusform>
            <numerusform>%1 - %n reservas</numerusform>
        </translation>
    </message>
    <message>
        <source>Check &amp;In</source>
        <translation>Registrar en&amp;trada</translation>
    </message>
    <message>
        <source>Check &amp;Out</source>
        <translation>Registrar &amp;salida</translation>
    </message>
    <message>
        <source>&amp;Cancel…</source>
        <translation>C&amp;ancelar…</translation>
    </message>
    <message>
        <source>No-&amp;show</source>
        <translation>No &amp;presentado</translation>
    </message>
    <message>
        <source>&amp;Undo Check-in/Check-out</source>
        <translation>&amp;Deshacer entrada/salida</translation>
    </message>
    <message>
        <source>Sta&amp;y</source>
        <translation>E&amp;stancia</translation>
    </message>
    <message>
        <source>Stay</source>
        <translation>Estancia</translation>
    </message>
    <message>
        <source>&amp;Folio…</source>
        <translation>&amp;Folio…</translation>
    </message>
</context>
<context>
    <name>corvanna::FolioWindow</name>
    <message>
        <source>Night, price set by hand</source>
        <translation>Noche, precio a mano</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>Noche</translation>
    </message>
    <message>
        <source>Charge</source>
        <translation>Cargo</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Depósito</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Pago</translation>
    </message>
    <message>
        <source>Refund</source>
        <translation>Reembolso</translation>
    </message>
    <message>
        <source>Folio</source>
        <translation>Cuenta</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Cuenta</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Entry</source>
        <translation>Asiento</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Cantidad</translation>
    </message>
    <message>
        <source>Unit price</source>
        <translation>Precio unitario</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Tax rate</source>
        <translation>Tipo impositivo</translation>
    </message>
    <message>
        <source>Desk</source>
        <translation>Recepción</translation>
    </message>
    <message>
        <source>Night&apos;s price</source>
        <translation>Precio de la noche</translation>
    </message>
    <message>
        <source>Tax rate of the night&apos;s price</source>
        <translation>Tipo impositivo del precio de la noche</translation>
    </message>
    <message>
        <source>Set &amp;Price</source>
        <translation>Fijar &amp;precio</translation>
    </message>
    <message>
        <source>Charge&apos;s description</source>
        <translation>Descripción del cargo</translation>
    </message>
    <message>
        <source>Add &amp;Charge</source>
        <translation>Añadir &amp;cargo</translation>
    </message>
    <message>
        <source>Kind of payment</source>
        <translation>Clase de pago</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Medio</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Efectivo</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>Tarjeta</translation>
    </message>
    <message>
        <source>Bank transfer</source>
        <translation>Transferencia</translation>
    </message>
    <message>
        <source>Add Pa&amp;yment</source>
        <translation>Añadir pa&amp;go</translation>
    </message>
    <message>
        <source>&amp;Night:</source>
        <translation>&amp;Noche:</translation>
    </message>
    <message>
        <source>C&amp;harge:</source>
        <translation>Ca&amp;rgo:</translation>
    </message>
    <message>
        <source>Pay&amp;ment:</source>
        <translation>Pa&amp;go:</translation>
    </message>
    <message>
        <source>Invoices</source>
        <translation>Facturas</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Número</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Clase</translation>
    </message>
    <message>
        <source>Issued</source>
        <translation>Emitida</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>&amp;Void</source>
        <translation>A&amp;nular</translation>
    </message>
    <message>
        <source>&amp;Invoice</source>
        <translation>&amp;Facturar</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Imprimir…</translation>
    </message>
    <message>
        <source>Save as P&amp;DF…</source>
        <translation>Guardar como P&amp;DF…</translation>
    </message>
    <message>
        <source>C&amp;redit Note</source>
        <translation>Nota de &amp;crédito</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Tax rate as before</source>
        <translation>Tipo impositivo como antes</translation>
    </message>
    <message>
        <source>%1, %2 %3, %4 to %5, reservation %6</source>
        <translation>%1, %2 %3, del %4 al %5, reserva %6</translation>
    </message>
    <message>
        <source>Folio of %1</source>
        <translation>Cuenta de %1</translation>
    </message>
    <message>
        <source>%1 (void)</source>
        <translation>%1 (anulado)</translation>
    </message>
    <message>
        <source>Cancelled or a no-show: the stay&apos;s nights are not charged.</source>
        <translation>Cancelada o no presentado: las noches de la estancia no se cobran.</translation>
    </message>
    <message>
        <source>1 night without a price: %1</source>
        <translation>1 noche sin precio: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n nights without a price: %1</source>
        <translation>
            <numerusform>%n noche sin precio: %1</numerusform>
            <numerusform>%n noches sin precio: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Charges: %1</source>
        <translation>Cargos: %1</translation>
    </message>
    <message>
        <source>Paid: %1</source>
        <translation>Pagado: %1</translation>
    </message>
    <message>
        <source>Balance: %1</source>
        <translation>Saldo: %1</translation>
    </message>
    <message>
        <source>no price</source>
        <translation>sin precio</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Credit note</source>
        <translation>Nota de crédito</translation>
    </message>
    <message>
        <source>Invoice</source>
        <translation>Factura</translation>
    </message>
    <message>
        <source>This stay has no night to price.</source>
        <translation>Esta estancia no tiene ninguna noche a la que poner precio.</translation>
    </message>
    <message>
        <source>No rate prices the night of %1: choose the tax rate of its price.</source>
        <translation>Ninguna tarifa pone precio a la noche del %1: elija el tipo impositivo de su precio.</translation>
    </message>
    <message>
        <source>A charge needs a description.</source>
        <translation>Un cargo necesita una descripción.</translation>
    </message>
    <message>
        <source>Add a tax rate first (Tools, Hotel…): every charge names its tax.</source>
        <translation>Añada primero un tipo impositivo (Herramientas, Hotel…): cada cargo indica su impuesto.</translation>
    </message>
    <message>
        <source>A payment needs an amount above zero.</source>
        <translation>Un pago necesita un importe mayor que cero.</translation>
    </message>
    <message>
        <source>A payment needs a method: choose or type how it was paid.</source>
        <translation>Un pago necesita un medio: elija o escriba cómo se pagó.</translation>
    </message>
    <message>
        <source>Select a charge or a payment first.</source>
        <translation>Seleccione primero un cargo o un pago.</translation>
    </message>
    <message>
        <source>A night is not voided: set its price instead (0 for a night not charged).</source>
        <translation>Una noche no se anula: fije su precio en su lugar (0 para una noche que no se cobra).</translation>
    </message>
    <message>
        <source>This entry is void already.</source>
        <translation>Este asiento ya está anulado.</translation>
    </message>
    <message>
        <source>Void the entry &quot;%1&quot; of %2 from %3? It stays in the account, marked void.</source>
        <translation>¿Anular el asiento «%1» de %2 del %3? Queda en la cuenta, marcado como anulado.</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Invoice %1 covers this stay. Cancel it by a credit note before issuing a new one.</source>
        <translation>La factura %1 cubre esta estancia. Anúlela con una nota de crédito antes de emitir una nueva.</translation>
    </message>
    <message>
        <source>There is nothing to invoice: the account has no charge.</source>
        <translation>No hay nada que facturar: la cuenta no tiene ningún cargo.</translation>
    </message>
    <message>
        <source>1 night of this stay has no price and will not be on the invoice. Issue it anyway?</source>
        <translation>1 noche de esta estancia no tiene precio y no estará en la factura. ¿Emitirla de todos modos?</translation>
    </message>
    <message numerus="yes">
        <source>%n nights of this stay have no price and will not be on the invoice. Issue it anyway?</source>
        <translation>
            <numerusform>%n noche de esta estancia no tiene precio y no estará en la factura. ¿Emitirla de todos modos?</numerusform>
            <numerusform>%n noches de esta estancia no tienen precio y no estarán en la factura. ¿Emitirla de todos modos?</numerusform>
        </translation>
    </message>
    <message>
        <source>Issue an invoice of %1 to %2? Its number cannot be taken back: a credit note cancels it.</source>
        <translation>¿Emitir una factura de %1 a %2? Su número no se puede retirar: una nota de crédito la anula.</translation>
    </message>
    <message>
        <source>Select an invoice first.</source>
        <translation>Seleccione primero una factura.</translation>
    </message>
    <message>
        <source>%1 is a credit note: only an invoice is cancelled by one.</source>
        <translation>%1 es una nota de crédito: solo una factura se anula con una.</translation>
    </message>
    <message>
        <source>Invoice %1 is cancelled by a credit note already.</source>
        <translation>La factura %1 ya está anulada por una nota de crédito.</translation>
    </message>
    <message>
        <source>Cancel invoice %1 by a credit note?</source>
        <translation>¿Anular la factura %1 con una nota de crédito?</translation>
    </message>
</context>
<context>
    <name>corvanna::Form1</name>
    <message>
        <source>The backup could not be made: %1</source>
        <translation>No se pudo hacer la copia de seguridad: %1</translation>
    </message>
    <message>
        <source>The reservations are on a database server, whose own backups keep them.</source>
        <translation>Las reservas están en un servidor de base de datos, cuyas propias copias de seguridad las conservan.</translation>
    </message>
    <message>
        <source>The database was backed up to %1.</source>
        <translation>Se ha hecho una copia de seguridad de la base de datos en %1.</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>ilegible</translation>
    </message>
    <message>
        <source>There are no backups to restore.</source>
        <translation>No hay copias de seguridad que restaurar.</translation>
    </message>
    <message>
        <source>The backup of %1 is damaged and cannot be restored.</source>
        <translation>La copia de seguridad del %1 está dañada y no se puede restaurar.</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>desconocido</translation>
    </message>
    <message>
        <source>Replace the working database with the backup of %1 (reservations: %2)? Reservations only in the working database: %3, only in the backup: %4, changed since the backup: %5; the working database is kept as %6 in the Backups folder.</source>
        <translation>¿Sustituir la base de datos de trabajo por la copia de seguridad del %1 (reservas: %2)? Reservas solo en la base de datos de trabajo: %3, solo en la copia: %4, modificadas desde la copia: %5; la base de datos de trabajo se conserva como %6 en la carpeta Backups.</translation>
    </message>
    <message>
        <source>The backup of %1 was restored.</source>
        <translation>Se ha restaurado la copia de seguridad del %1.</translation>
    </message>
    <message>
        <source>Reservations</source>
        <translation>Reservas</translation>
    </message>
    <message>
        <source>Check In Date:</source>
        <translation>Fecha de llegada:</translation>
    </message>
    <message>
        <source>Check Out Date:</source>
        <translation>Fecha de salida:</translation>
    </message>
    <message>
        <source>Double-click item to remove it. Move | line to right and out of window to reveal full names.</source>
        <translation>Haga doble clic en un elemento para quitarlo. Arrastre la línea | a la derecha fuera de la ventana para ver los nombres completos.</translation>
    </message>
    <message>
        <source>%1 not found.</source>
        <translation>No se encontró %1.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete %1?</source>
        <translation>¿Seguro que desea eliminar %1?</translation>
    </message>
    <message>
        <source>Reservations %1 to %2</source>
        <translation>Reservas del %1 al %2</translation>
    </message>
    <message>
        <source>All reservations</source>
        <translation>Todas las reservas</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Reservation</source>
        <translation>&amp;Reserva</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Herramientas</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>E&amp;xport CSV...</source>
        <translation>E&amp;xportar CSV...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>&amp;Back Up Now</source>
        <translation>Hacer &amp;copia ahora</translation>
    </message>
    <message>
        <source>&amp;Restore…</source>
        <translation>&amp;Restaurar…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Add New</source>
        <translation>&amp;Nueva</translation>
    </message>
    <message>
        <source>&amp;Edit Selected</source>
        <translation>&amp;Editar selección</translation>
    </message>
    <message>
        <source>&amp;Delete Selected</source>
        <translation>E&amp;liminar selección</translation>
    </message>
    <message>
        <source>&amp;Load Sample/Example Data</source>
        <translation>&amp;Cargar datos de ejemplo</translation>
    </message>
    <message>
        <source>&amp;Search By Date</source>
        <translation>Buscar por &amp;fecha</translation>
    </message>
    <message>
        <source>Show &amp;All</source>
        <translation>&amp;Mostrar todo</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>B&amp;uscar...</translation>
    </message>
    <message>
        <source>A&amp;vailability…</source>
        <translation>&amp;Disponibilidad…</translation>
    </message>
    <message>
        <source>&amp;Inventory…</source>
        <translation>&amp;Inventario…</translation>
    </message>
    <message>
        <source>&amp;About Corvanna</source>
        <translation>&amp;Acerca de Corvanna</translation>
    </message>
    <message>
        <source>F&amp;ind:</source>
        <translation>B&amp;uscar:</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Name, phone, address, id, card</source>
        <translation>Nombre, teléfono, dirección, ID, tarjeta</translation>
    </message>
    <message>
        <source>%1, find &quot;%2&quot;</source>
        <translation>%1, búsqueda «%2»</translation>
    </message>
    <message>
        <source>PostgreSQL server, %1</source>
        <translation>servidor PostgreSQL, %1</translation>
    </message>
    <message>
        <source>%1 %2
Front desk reservations for a small hotel.

Data folder: %3
Database: %4</source>
        <translation>%1 %2
Reservas de recepción para un hotel pequeño.

Carpeta de datos: %3
Base de datos: %4</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>Idi&amp;oma</translation>
    </message>
    <message>
        <source>The translation %1 could not be loaded; it is used from the next start on if it can be loaded then.</source>
        <translation>No se pudo cargar la traducción %1; se usará a partir del próximo inicio si entonces se puede cargar.</translation>
    </message>
    <message>
        <source>The menus and the main window speak the chosen language now. Windows that are open or were opened before follow at the next start.</source>
        <translation>Los menús y la ventana principal usan ahora el idioma elegido. Las ventanas abiertas o ya abiertas antes lo harán en el próximo inicio.</translation>
    </message>
    <message>
        <source>Keeping today&apos;s backup of the reservations…</source>
        <translation>Guardando la copia de seguridad de hoy de las reservas…</translation>
    </message>
    <message>
        <source>%1 - %2 - read-only copy as of %3</source>
        <translation>%1 - %2 - copia de solo lectura, actualizada a %3</translation>
    </message>
    <message>
        <source>The server cannot be reached. The list shows a read-only copy of the reservations as of %1; nothing can be saved until the server is back.</source>
        <translation>No se puede acceder al servidor. La lista muestra una copia de solo lectura de las reservas actualizada a %1; no se puede guardar nada hasta que vuelva el servidor.</translation>
    </message>
    <message>
        <source>Check &amp;In</source>
        <translation>Registrar en&amp;trada</translation>
    </message>
    <message>
        <source>Check &amp;Out</source>
        <translation>Registrar &amp;salida</translation>
    </message>
    <message>
        <source>&amp;Cancel…</source>
        <translation>C&amp;ancelar…</translation>
    </message>
    <message>
        <source>No-&amp;show</source>
        <translation>No &amp;presentado</translation>
    </message>
    <message>
        <source>&amp;Undo Check-in/Check-out</source>
        <translation>&amp;Deshacer entrada/salida</translation>
    </message>
    <message>
        <source>R&amp;oom Chart</source>
        <translation>&amp;Plano de habitaciones</translation>
    </message>
    <message>
        <source>&amp;Units…</source>
        <translation>&amp;Unidades…</translation>
    </message>
    <message>
        <source>&amp;Guests of the Stay…</source>
        <translation>&amp;Huéspedes de la estancia…</translation>
    </message>
    <message>
        <source>&amp;Registration Card…</source>
        <translation>&amp;Ficha de registro…</translation>
    </message>
    <message>
        <source>&amp;Guests…</source>
        <translation>Hué&amp;spedes…</translation>
    </message>
    <message>
        <source>&amp;Privacy…</source>
        <translation>&amp;Privacidad…</translation>
    </message>
    <message>
        <source>Select a reservation first.</source>
        <translation>Seleccione primero una reserva.</translation>
    </message>
    <message>
        <source>&amp;Folio…</source>
        <translation>&amp;Folio…</translation>
    </message>
    <message>
        <source>R&amp;eports…</source>
        <translation>&amp;Informes…</translation>
    </message>
    <message>
        <source>&amp;Hotel…</source>
        <translation>&amp;Hotel…</translation>
    </message>
    <message>
        <source>R&amp;ates…</source>
        <translation>&amp;Tarifas…</translation>
    </message>
    <message>
        <source>Bringing the reservation database up to date for this version of Corvanna…</source>
        <translation>Actualizando la base de datos de reservas para esta versión de Corvanna…</translation>
    </message>
</context>
<context>
    <name>corvanna::Form2</name>
    <message>
        <source>Add New Guest</source>
        <translation>Nuevo huésped</translation>
    </message>
    <message>
        <source>Guest Name</source>
        <translation>Nombre del huésped</translation>
    </message>
    <message>
        <source>Room Details</source>
        <translation>Datos de la habitación</translation>
    </message>
    <message>
        <source>No. of Rooms:</source>
        <translation>Habitac.:</translation>
    </message>
    <message>
        <source>Room Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Check In Date:</source>
        <translation>Llegada:</translation>
    </message>
    <message>
        <source>No. Of Persons:</source>
        <translation>Personas:</translation>
    </message>
    <message>
        <source>Service Included:</source>
        <translation>Servicios:</translation>
    </message>
    <message>
        <source>Breakfast, Lunch, Dinner, Security</source>
        <translation>Desayuno, almuerzo, cena, seguridad</translation>
    </message>
    <message>
        <source>Check Out Date:</source>
        <translation>Salida:</translation>
    </message>
    <message>
        <source>Other Information</source>
        <translation>Otros datos</translation>
    </message>
    <message>
        <source>Credit Card Type:</source>
        <translation>Tipo de tarjeta:</translation>
    </message>
    <message>
        <source>Credit Card Num:</source>
        <translation>N.º de tarjeta:</translation>
    </message>
    <message>
        <source>Expiry Date:</source>
        <translation>Caducidad:</translation>
    </message>
    <message>
        <source>Phone Number:</source>
        <translation>Teléfono:</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Dirección:</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>If you need fields added to this form, please email me at %1</source>
        <translation>Si necesita añadir campos a este formulario, escríbame a %1</translation>
    </message>
    <message>
        <source>The field &quot;%1&quot; holds a NUL character, which the database server cannot store. Retype the field, then save again.</source>
        <translation>El campo «%1» contiene un carácter NUL que el servidor de base de datos no puede guardar. Vuelva a escribir el campo y guarde de nuevo.</translation>
    </message>
    <message>
        <source>Some stored values of this reservation could not be shown, and saving will replace them. Save anyway?</source>
        <translation>Algunos valores guardados de esta reserva no se pudieron mostrar y al guardar se sustituirán. ¿Guardar de todos modos?</translation>
    </message>
    <message>
        <source>This reservation no longer exists, so nothing was saved.</source>
        <translation>Esta reserva ya no existe, así que no se ha guardado nada.</translation>
    </message>
    <message>
        <source>Save what you typed as a new reservation?</source>
        <translation>¿Guardar lo introducido como una reserva nueva?</translation>
    </message>
    <message>
        <source>Successfully Saved.</source>
        <translation>Guardado correctamente.</translation>
    </message>
    <message>
        <source>Another desk changed this reservation after you opened it: %1.

Save your entries over its changes?</source>
        <translation>Otro puesto modificó esta reserva después de que usted la abriera: %1.

¿Guardar sus datos sobre esos cambios?</translation>
    </message>
    <message>
        <source>Another desk deleted this reservation after you opened it.

Save your entries as a new reservation?</source>
        <translation>Otro puesto eliminó esta reserva después de que usted la abriera.

¿Guardar sus datos como una reserva nueva?</translation>
    </message>
</context>
<context>
    <name>corvanna::GuestsWindow</name>
    <message>
        <source>Guests</source>
        <translation>Huéspedes</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Name, phone, e-mail, address</source>
        <translation>Nombre, teléfono, correo, dirección</translation>
    </message>
    <message>
        <source>F&amp;ind:</source>
        <translation>B&amp;uscar:</translation>
    </message>
    <message>
        <source>Guest profiles</source>
        <translation>Perfiles de huéspedes</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Teléfono</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>Correo electrónico</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nombre:</translation>
    </message>
    <message>
        <source>&amp;Phone:</source>
        <translation>&amp;Teléfono:</translation>
    </message>
    <message>
        <source>E-m&amp;ail:</source>
        <translation>Corre&amp;o:</translation>
    </message>
    <message>
        <source>A&amp;ddress:</source>
        <translation>&amp;Dirección:</translation>
    </message>
    <message>
        <source>Nationa&amp;lity:</source>
        <translation>Naciona&amp;lidad:</translation>
    </message>
    <message>
        <source>Date of &amp;birth:</source>
        <translation>Fecha de naci&amp;miento:</translation>
    </message>
    <message>
        <source>Document &amp;type:</source>
        <translation>T&amp;ipo de documento:</translation>
    </message>
    <message>
        <source>Document n&amp;umber:</source>
        <translation>Núm&amp;ero de documento:</translation>
    </message>
    <message>
        <source>Issued b&amp;y:</source>
        <translation>E&amp;xpedido por:</translation>
    </message>
    <message>
        <source>&amp;Valid until:</source>
        <translation>&amp;Válido hasta:</translation>
    </message>
    <message>
        <source>N&amp;ote:</source>
        <translation>Not&amp;a:</translation>
    </message>
    <message>
        <source>Stays</source>
        <translation>Estancias</translation>
    </message>
    <message>
        <source>Check-in</source>
        <translation>Entrada</translation>
    </message>
    <message>
        <source>Check-out</source>
        <translation>Salida</translation>
    </message>
    <message>
        <source>Nights</source>
        <translation>Noches</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Role</source>
        <translation>Función</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>&amp;Save Guest</source>
        <translation>&amp;Guardar huésped</translation>
    </message>
    <message>
        <source>&amp;Merge…</source>
        <translation>&amp;Combinar…</translation>
    </message>
    <message>
        <source>E&amp;xport…</source>
        <translation>Ex&amp;portar…</translation>
    </message>
    <message>
        <source>&amp;Erase…</source>
        <translation>&amp;Borrar…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Ce&amp;rrar</translation>
    </message>
    <message>
        <source>Booker</source>
        <translation>Titular</translation>
    </message>
    <message>
        <source>Guest</source>
        <translation>Huésped</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Please enter the guest&apos;s name.</source>
        <translation>Introduzca el nombre del huésped.</translation>
    </message>
    <message>
        <source>Save the changes to the profile of %1?</source>
        <translation>¿Guardar los cambios del perfil de %1?</translation>
    </message>
    <message>
        <source>The changes were not saved, because the guest&apos;s name was empty.</source>
        <translation>Los cambios no se guardaron porque el nombre del huésped estaba vacío.</translation>
    </message>
    <message>
        <source>Merge the profile of %1 (no. %2) into the profile of %3 (no. %4)? Every stay of no. %2 moves to no. %4, and no. %2 is removed.</source>
        <translation>¿Combinar el perfil de %1 (n.º %2) con el perfil de %3 (n.º %4)? Cada estancia del n.º %2 pasa al n.º %4, y el n.º %2 se elimina.</translation>
    </message>
    <message>
        <source>Erase everything held about %1? This cannot be undone.</source>
        <translation>¿Borrar todo lo que se guarda sobre %1? No se puede deshacer.</translation>
    </message>
    <message>
        <source>The profile&apos;s name, phone, e-mail, address, birth date, document and note go.</source>
        <translation>Se borran el nombre, el teléfono, el correo, la dirección, la fecha de nacimiento, el documento y la nota del perfil.</translation>
    </message>
    <message>
        <source>1 stay keeps its dates but loses the guest&apos;s name, address and phone.</source>
        <translation>1 estancia conserva sus fechas pero pierde el nombre, la dirección y el teléfono del huésped.</translation>
    </message>
    <message numerus="yes">
        <source>%n stays keep their dates but lose the guest&apos;s name, address and phone.</source>
        <translation>
            <numerusform>%n estancia conserva sus fechas pero pierde el nombre, la dirección y el teléfono del huésped.</numerusform>
            <numerusform>%n estancias conservan sus fechas pero pierden el nombre, la dirección y el teléfono del huésped.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 card number goes.</source>
        <translation>Se borra 1 número de tarjeta.</translation>
    </message>
    <message numerus="yes">
        <source>%n card numbers go.</source>
        <translation>
            <numerusform>Se borra %n número de tarjeta.</numerusform>
            <numerusform>Se borran %n números de tarjeta.</numerusform>
        </translation>
    </message>
    <message>
        <source>Spent</source>
        <translation>Gastado</translation>
    </message>
</context>
<context>
    <name>corvanna::HotelWindow</name>
    <message>
        <source>Hotel</source>
        <translation>Hotel</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nombre:</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Dirección:</translation>
    </message>
    <message>
        <source>&amp;Tax number:</source>
        <translation>Número &amp;fiscal:</translation>
    </message>
    <message>
        <source>&amp;Currency:</source>
        <translation>&amp;Moneda:</translation>
    </message>
    <message>
        <source>&amp;Footer:</source>
        <translation>&amp;Pie de página:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Tax number</source>
        <translation>Número fiscal</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Moneda</translation>
    </message>
    <message>
        <source>Footer</source>
        <translation>Pie de página</translation>
    </message>
    <message>
        <source>Tax rates</source>
        <translation>Tipos impositivos</translation>
    </message>
    <message>
        <source>Tax rate</source>
        <translation>Tipo impositivo</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Porcentaje</translation>
    </message>
    <message>
        <source>Tax rate&apos;s name</source>
        <translation>Nombre del tipo impositivo</translation>
    </message>
    <message>
        <source>Tax rate in percent</source>
        <translation>Tipo impositivo en porcentaje</translation>
    </message>
    <message>
        <source>Add &amp;Rate</source>
        <translation>Añadir &amp;tipo</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a currency. Type its code of three letters, such as EUR or USD, or leave it empty for the currency of this computer&apos;s settings.</source>
        <translation>«%1» no es una moneda. Escriba su código de tres letras, como EUR o USD, o déjelo vacío para usar la moneda de la configuración de este equipo.</translation>
    </message>
    <message>
        <source>A tax rate needs a name.</source>
        <translation>Un tipo impositivo necesita un nombre.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a tax rate. Type a percentage from 0 to 100 with at most two decimals, for example %2.</source>
        <translation>«%1» no es un tipo impositivo. Escriba un porcentaje de 0 a 100 con como mucho dos decimales, por ejemplo %2.</translation>
    </message>
</context>
<context>
    <name>corvanna::InventoryWindow</name>
    <message>
        <source>Rooms</source>
        <translation>Habitaciones</translation>
    </message>
    <message>
        <source>Wings</source>
        <translation>Alas</translation>
    </message>
    <message>
        <source>Meeting Halls</source>
        <translation>Salas de reuniones</translation>
    </message>
    <message>
        <source>This database cannot keep an inventory (%1), so the program works without one.</source>
        <translation>Esta base de datos no puede llevar un inventario (%1), así que el programa funciona sin él.</translation>
    </message>
    <message>
        <source>Inventory</source>
        <translation>Inventario</translation>
    </message>
    <message>
        <source>Units of each type the hotel has. Leave Units empty for a type without a limit.</source>
        <translation>Unidades de cada tipo que tiene el hotel. Deje Unidades vacío para un tipo sin límite.</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Clase</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Unidades</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>This database cannot keep an inventory.</source>
        <translation>Esta base de datos no puede llevar un inventario.</translation>
    </message>
    <message>
        <source>The units of %1 must be a whole number.</source>
        <translation>Las unidades de %1 deben ser un número entero.</translation>
    </message>
</context>
<context>
    <name>corvanna::ListRowDelegate</name>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>corvanna::PrivacyWindow</name>
    <message>
        <source>Card numbers erased</source>
        <translation>Números de tarjeta borrados</translation>
    </message>
    <message>
        <source>Guest erased</source>
        <translation>Huésped borrado</translation>
    </message>
    <message>
        <source>Guests erased by age</source>
        <translation>Huéspedes borrados por antigüedad</translation>
    </message>
    <message>
        <source>Guest exported</source>
        <translation>Huésped exportado</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>Privacidad</translation>
    </message>
    <message>
        <source>Erase &amp;card numbers this many days after check-out:</source>
        <translation>Borrar los números de &amp;tarjeta estos días después de la salida:</translation>
    </message>
    <message>
        <source>Days after check-out</source>
        <translation>Días después de la salida</translation>
    </message>
    <message>
        <source>Erase &amp;guest profiles this many years after their last stay:</source>
        <translation>Borrar los perfiles de &amp;huéspedes estos años después de su última estancia:</translation>
    </message>
    <message>
        <source>Years after the last stay</source>
        <translation>Años después de la última estancia</translation>
    </message>
    <message>
        <source>Privacy log</source>
        <translation>Registro de privacidad</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Cuándo</translation>
    </message>
    <message>
        <source>Desk</source>
        <translation>Puesto</translation>
    </message>
    <message>
        <source>What</source>
        <translation>Qué</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Cantidad</translation>
    </message>
    <message>
        <source>&amp;Log:</source>
        <translation>&amp;Registro:</translation>
    </message>
</context>
<context>
    <name>corvanna::RatesWindow</name>
    <message>
        <source>every day</source>
        <translation>todos los días</translation>
    </message>
    <message>
        <source>Rates</source>
        <translation>Tarifas</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Clase</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Desde</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Hasta</translation>
    </message>
    <message>
        <source>Weekdays</source>
        <translation>Días</translation>
    </message>
    <message>
        <source>Price per night</source>
        <translation>Precio por noche</translation>
    </message>
    <message>
        <source>Tax rate</source>
        <translation>Tipo impositivo</translation>
    </message>
    <message>
        <source>&amp;Only the nights from</source>
        <translation>&amp;Solo las noches del</translation>
    </message>
    <message>
        <source>&amp;Add Rate</source>
        <translation>&amp;Añadir tarifa</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>&amp;Clase:</translation>
    </message>
    <message>
        <source>t&amp;o</source>
        <translation>a&amp;l</translation>
    </message>
    <message>
        <source>&amp;Price per night:</source>
        <translation>&amp;Precio por noche:</translation>
    </message>
    <message>
        <source>New rate</source>
        <translation>Nueva tarifa</translation>
    </message>
    <message>
        <source>Nights without a price</source>
        <translation>Noches sin precio</translation>
    </message>
    <message numerus="yes">
        <source>Nights of the next %n days without a price:</source>
        <translation>
            <numerusform>Noches del próximo %n día sin precio:</numerusform>
            <numerusform>Noches de los próximos %n días sin precio:</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Retire</source>
        <translation>&amp;Retirar</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>default</source>
        <translation>predeterminada</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>del %1 al %2</translation>
    </message>
    <message>
        <source>1 night: %1</source>
        <translation>1 noche: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n nights: %1</source>
        <translation>
            <numerusform>%n noche: %1</numerusform>
            <numerusform>%n noches: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>The last night of a rate cannot come before its first night.</source>
        <translation>La última noche de una tarifa no puede ser anterior a la primera.</translation>
    </message>
    <message>
        <source>A rate needs at least one weekday.</source>
        <translation>Una tarifa necesita al menos un día de la semana.</translation>
    </message>
    <message>
        <source>Add a tax rate first (Tools, Hotel…): every price names its tax.</source>
        <translation>Añada primero un tipo impositivo (Herramientas, Hotel…): cada precio indica su impuesto.</translation>
    </message>
    <message>
        <source>Select a rate first.</source>
        <translation>Seleccione primero una tarifa.</translation>
    </message>
    <message>
        <source>Retire the rate of %1 for %2 %3? Nights it has priced keep their price.</source>
        <translation>¿Retirar la tarifa de %1 para %2 %3? Las noches que ha tarifado conservan su precio.</translation>
    </message>
</context>
<context>
    <name>corvanna::ReportsWindow</name>
    <message>
        <source>Reports</source>
        <translation>Informes</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Desde:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Hasta:</translation>
    </message>
    <message>
        <source>Rows of the table</source>
        <translation>Filas de la tabla</translation>
    </message>
    <message>
        <source>By day</source>
        <translation>Por día</translation>
    </message>
    <message>
        <source>By month</source>
        <translation>Por mes</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>&amp;Mostrar</translation>
    </message>
    <message>
        <source>E&amp;xport CSV…</source>
        <translation>E&amp;xportar CSV…</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Periodo</translation>
    </message>
    <message>
        <source>Units available</source>
        <translation>Unidades disponibles</translation>
    </message>
    <message>
        <source>Nights sold</source>
        <translation>Noches vendidas</translation>
    </message>
    <message>
        <source>Occupancy</source>
        <translation>Ocupación</translation>
    </message>
    <message>
        <source>Room revenue</source>
        <translation>Ingresos por alojamiento</translation>
    </message>
    <message>
        <source>ADR</source>
        <translation>ADR</translation>
    </message>
    <message>
        <source>RevPAR</source>
        <translation>RevPAR</translation>
    </message>
    <message>
        <source>Occupancy and revenue</source>
        <translation>Ocupación e ingresos</translation>
    </message>
    <message>
        <source>Occupancy chart</source>
        <translation>Gráfico de ocupación</translation>
    </message>
    <message>
        <source>Tax rate</source>
        <translation>Tipo impositivo</translation>
    </message>
    <message>
        <source>Gross</source>
        <translation>Bruto</translation>
    </message>
    <message>
        <source>Net</source>
        <translation>Neto</translation>
    </message>
    <message>
        <source>Tax</source>
        <translation>Impuesto</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Medio</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Reservation</source>
        <translation>Reserva</translation>
    </message>
    <message>
        <source>Guest Name</source>
        <translation>Nombre del huésped</translation>
    </message>
    <message>
        <source>Check In Date</source>
        <translation>Llegada</translation>
    </message>
    <message>
        <source>Check Out Date</source>
        <translation>Salida</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Deleted</source>
        <translation>Eliminada</translation>
    </message>
    <message>
        <source>Revenue by tax rate</source>
        <translation>Ingresos por tipo impositivo</translation>
    </message>
    <message>
        <source>Payments by method</source>
        <translation>Pagos por medio</translation>
    </message>
    <message>
        <source>Open balances</source>
        <translation>Saldos pendientes</translation>
    </message>
    <message>
        <source>Deleted reservations with money</source>
        <translation>Reservas eliminadas con movimientos</translation>
    </message>
    <message>
        <source>The period&apos;s last day cannot come before its first.</source>
        <translation>El último día del periodo no puede ser anterior al primero.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Report %1 to %2</source>
        <translation>Informe del %1 al %2</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exportar CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
</context>
<context>
    <name>corvanna::ReservationModel</name>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Guest Name</source>
        <translation>Nombre del huésped</translation>
    </message>
    <message>
        <source>Accomodation</source>
        <translation>Alojamiento</translation>
    </message>
    <message>
        <source>Number Of Rooms</source>
        <translation>Número</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Services Included</source>
        <translation>Servicios incluidos</translation>
    </message>
    <message>
        <source>Number of Persons</source>
        <translation>Número de personas</translation>
    </message>
    <message>
        <source>Check In Date</source>
        <translation>Fecha de llegada</translation>
    </message>
    <message>
        <source>Check Out Date</source>
        <translation>Fecha de salida</translation>
    </message>
    <message>
        <source>Card Type</source>
        <translation>Tipo de tarjeta</translation>
    </message>
    <message>
        <source>Card Number</source>
        <translation>Número de tarjeta</translation>
    </message>
    <message>
        <source>Phone Number</source>
        <translation>Número de teléfono</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>card number hidden</source>
        <translation>número de tarjeta oculto</translation>
    </message>
    <message>
        <source>card ending %1</source>
        <translation>tarjeta terminada en %1</translation>
    </message>
</context>
<context>
    <name>corvanna::RestoreDialog</name>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>&amp;Backups kept:</source>
        <translation>&amp;Copias conservadas:</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>Copias de seguridad</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Reservations</source>
        <translation>Reservas</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Replaced by a restore</source>
        <translation>Sustituida por una restauración</translation>
    </message>
    <message>
        <source>Back Up Now</source>
        <translation>Hacer copia ahora</translation>
    </message>
    <message>
        <source>Day&apos;s copy</source>
        <translation>Copia del día</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurar</translation>
    </message>
</context>
<context>
    <name>corvanna::RoomChartView</name>
    <message>
        <source>Room chart</source>
        <translation>Plano de habitaciones</translation>
    </message>
    <message>
        <source>E</source>
        <comment>sign of an expected stay</comment>
        <translation>P</translation>
    </message>
    <message>
        <source>H</source>
        <comment>sign of a stay in house</comment>
        <translation>H</translation>
    </message>
    <message>
        <source>O</source>
        <comment>sign of a checked-out stay</comment>
        <translation>S</translation>
    </message>
    <message>
        <source>C</source>
        <comment>sign of a cancelled stay</comment>
        <translation>C</translation>
    </message>
    <message>
        <source>N</source>
        <comment>sign of a no-show</comment>
        <translation>N</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Hoy</translation>
    </message>
    <message>
        <source>Without a unit</source>
        <translation>Sin unidad</translation>
    </message>
    <message>
        <source>%1, %2, unit %3, nights of %4 to %5</source>
        <translation>%1, %2, unidad %3, noches del %4 al %5</translation>
    </message>
</context>
<context>
    <name>corvanna::RoomChartWindow</name>
    <message>
        <source>Room Chart</source>
        <translation>Plano de habitaciones</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Desde:</translation>
    </message>
    <message>
        <source>First night</source>
        <translation>Primera noche</translation>
    </message>
    <message>
        <source>Nights shown</source>
        <translation>Noches mostradas</translation>
    </message>
    <message numerus="yes">
        <source>%n nights</source>
        <translation>
            <numerusform>%n noche</numerusform>
            <numerusform>%n noches</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Previous Week</source>
        <translation>Semana &amp;anterior</translation>
    </message>
    <message>
        <source>&amp;Next Week</source>
        <translation>Semana &amp;siguiente</translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation>&amp;Hoy</translation>
    </message>
    <message>
        <source>E expected, H in house, O checked out. The first row counts the rooms of each night that have no unit yet.</source>
        <translation>P previsto, H en el hotel, S con salida. La primera fila cuenta, para cada noche, las habitaciones que aún no tienen unidad.</translation>
    </message>
    <message>
        <source>&amp;Without a unit:</source>
        <translation>Sin &amp;unidad:</translation>
    </message>
    <message>
        <source>Stays without a unit</source>
        <translation>Estancias sin unidad</translation>
    </message>
    <message>
        <source>&amp;Move to Unit…</source>
        <translation>&amp;Mover a unidad…</translation>
    </message>
    <message>
        <source>Op&amp;en</source>
        <translation>Abri&amp;r</translation>
    </message>
    <message>
        <source>Check &amp;In</source>
        <translation>Registrar en&amp;trada</translation>
    </message>
    <message>
        <source>Check &amp;Out</source>
        <translation>Registrar sa&amp;lida</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>%1
%2 %3, %4 to %5</source>
        <translation>%1
%2 %3, del %4 al %5</translation>
    </message>
    <message>
        <source>Choose a stay in the chart or in the list of stays without a unit first.</source>
        <translation>Elija primero una estancia en el plano o en la lista de estancias sin unidad.</translation>
    </message>
    <message>
        <source>Move to Unit</source>
        <translation>Mover a unidad</translation>
    </message>
    <message>
        <source>Which unit does %1 move to, and from which night?</source>
        <translation>¿A qué unidad pasa %1 y desde qué noche?</translation>
    </message>
    <message>
        <source>Which unit does %1 take?</source>
        <translation>¿Qué unidad ocupa %1?</translation>
    </message>
    <message>
        <source>There are no units in service. Add them under Tools, Units.</source>
        <translation>No hay unidades en servicio. Añádalas en Herramientas, Unidades.</translation>
    </message>
    <message>
        <source>Fo&amp;lio…</source>
        <translation>Fol&amp;io…</translation>
    </message>
</context>
<context>
    <name>corvanna::SchemaHistory</name>
    <message>
        <source>This database was written by a newer version of Corvanna (schema %1; this version knows up to %2). It is left unchanged: use the newer version.</source>
        <translation>Esta base de datos la escribió una versión más reciente de Corvanna (esquema %1; esta versión conoce hasta el %2). Se deja sin cambios: use la versión más reciente.</translation>
    </message>
</context>
<context>
    <name>corvanna::StayGuestsWindow</name>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Guests of Reservation %1</source>
        <translation>Huéspedes de la reserva %1</translation>
    </message>
    <message>
        <source>Booker</source>
        <translation>Titular</translation>
    </message>
    <message>
        <source>Further guests</source>
        <translation>Otros huéspedes</translation>
    </message>
    <message>
        <source>Guest to add</source>
        <translation>Huésped que añadir</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Añadir</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>&amp;Booker:</source>
        <translation>&amp;Titular:</translation>
    </message>
    <message>
        <source>&amp;Further guests:</source>
        <translation>&amp;Otros huéspedes:</translation>
    </message>
    <message>
        <source>A&amp;dd a guest:</source>
        <translation>Añadir un h&amp;uésped:</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguno)</translation>
    </message>
</context>
<context>
    <name>corvanna::Stays</name>
    <message>
        <source>Only an expected guest can be checked in; this stay is %1.</source>
        <translation>Solo se puede registrar la entrada de un huésped previsto; esta estancia está «%1».</translation>
    </message>
    <message>
        <source>Only a guest in the house can be checked out; this stay is %1.</source>
        <translation>Solo se puede registrar la salida de un huésped en el hotel; esta estancia está «%1».</translation>
    </message>
    <message>
        <source>Only an expected stay can be cancelled or marked as a no-show; this stay is %1.</source>
        <translation>Solo una estancia prevista se puede cancelar o marcar como no presentada; esta estancia está «%1».</translation>
    </message>
</context>
<context>
    <name>corvanna::UnitsWindow</name>
    <message>
        <source>Units</source>
        <translation>Unidades</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Clase</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Zona</translation>
    </message>
    <message>
        <source>In Service</source>
        <translation>En servicio</translation>
    </message>
    <message>
        <source>&amp;Add…</source>
        <translation>&amp;Añadir…</translation>
    </message>
    <message>
        <source>&amp;Edit…</source>
        <translation>&amp;Editar…</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Units in service for %1 %2: %3. The inventory counts %4. Count the units from now on? (No keeps the inventory&apos;s count.)</source>
        <translation>Unidades en servicio para %1 %2: %3. El inventario cuenta %4. ¿Contar las unidades a partir de ahora? (No mantiene el número del inventario.)</translation>
    </message>
    <message>
        <source>A unit needs a name.</source>
        <translation>Una unidad necesita un nombre.</translation>
    </message>
    <message>
        <source>There is already a unit named %1. Each unit needs a name of its own.</source>
        <translation>Ya existe una unidad llamada %1. Cada unidad necesita un nombre propio.</translation>
    </message>
    <message>
        <source>Add Unit</source>
        <translation>Añadir unidad</translation>
    </message>
    <message>
        <source>Edit Unit</source>
        <translation>Editar unidad</translation>
    </message>
    <message>
        <source>&amp;In service</source>
        <translation>En &amp;servicio</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nombre:</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>&amp;Clase:</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>&amp;Tipo:</translation>
    </message>
    <message>
        <source>A&amp;rea:</source>
        <translation>&amp;Zona:</translation>
    </message>
    <message>
        <source>Select a unit first.</source>
        <translation>Seleccione primero una unidad.</translation>
    </message>
    <message>
        <source>Unit %1 holds a stay, so it cannot be removed. Move the stay to another unit first, or take the unit out of service.</source>
        <translation>La unidad %1 tiene una estancia, por lo que no se puede quitar. Mueva primero la estancia a otra unidad o ponga la unidad fuera de servicio.</translation>
    </message>
    <message>
        <source>Unit %1 holds the stay of %2, so it cannot be removed. Move the stay to another unit first, or take the unit out of service.</source>
        <translation>La unidad %1 tiene la estancia de %2, por lo que no se puede quitar. Mueva primero la estancia a otra unidad o ponga la unidad fuera de servicio.</translation>
    </message>
    <message>
        <source>Remove unit %1?</source>
        <translation>¿Quitar la unidad %1?</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>corvanna: arguments ignored (not options of this program): %1</source>
        <translation>corvanna: argumentos ignorados (no son opciones de este programa): %1</translation>
    </message>
</context>
</TS>
